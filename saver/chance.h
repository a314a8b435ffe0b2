// The display cycle's uniform generator. Reseeding mixes the clock reading into the
// generator's state instead of replacing it, so two reseeds at the same reading still lead
// to different draws.
#pragma once

#include <cstdint>
#include <functional>

class Chance {
 public:
  // `clock` gives the time of day in seconds.
  explicit Chance(std::function<double()> clock);

  void Reseed();
  // A fresh draw in [0, 1).
  double Draw();

 private:
  std::function<double()> clock_;
  std::uint64_t state_;
};

// Whole draws of the shape first + floor(count x u): first to first + count - 1.
int DrawWhole(Chance& chance, int first, int count);
