// A 64-bit mixing generator: each draw steps the state by a constant and scrambles it;
// a reseed folds the clock's bits into the state and scrambles that.
#include "saver/chance.h"

#include <cmath>
#include <cstring>

namespace {

constexpr std::uint64_t kStep = 0x9E3779B97F4A7C15ull;

std::uint64_t Scramble(std::uint64_t z) {
  z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
  z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
  return z ^ (z >> 31);
}

}  // namespace

Chance::Chance(std::function<double()> clock) : clock_(std::move(clock)), state_(kStep) {}

void Chance::Reseed() {
  const double reading = clock_();
  std::uint64_t reading_bits = 0;
  static_assert(sizeof reading == sizeof reading_bits);
  std::memcpy(&reading_bits, &reading, sizeof reading_bits);
  state_ = Scramble(state_ ^ reading_bits) + kStep;
}

double Chance::Draw() {
  state_ += kStep;
  return static_cast<double>(Scramble(state_) >> 11) * 0x1.0p-53;
}

int DrawWhole(Chance& chance, int first, int count) {
  return first + static_cast<int>(std::floor(count * chance.Draw()));
}
