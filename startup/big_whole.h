// Unsigned whole numbers of any size, with only what exact conversions between decimal text
// and binary floating point need: building one digit at a time, scaling by powers, comparing,
// subtracting and dividing by a small number.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

class BigWhole {
 public:
  explicit BigWhole(std::uint64_t value = 0);

  bool IsZero() const { return limbs_.empty(); }
  // The number of bits up to the highest one set; 0 for zero.
  std::size_t BitLength() const;

  // this = this x factor + addend.
  void MultiplyAdd(std::uint32_t factor, std::uint32_t addend = 0);
  // this = this x base^exponent.
  void MultiplyByPower(std::uint32_t base, std::uint64_t exponent);
  void ShiftLeft(std::size_t bits);
  void ShiftRightOne();
  // this = this - smaller, where smaller is not greater than this.
  void Subtract(const BigWhole& smaller);
  // this = this / divisor, rounded down; returns the remainder.
  std::uint32_t DivideBy(std::uint32_t divisor);

  // Below 0, 0 or above 0 as a is less than, equal to or greater than b.
  friend int Compare(const BigWhole& a, const BigWhole& b);

 private:
  void Trim();
  std::vector<std::uint32_t> limbs_;  // the lowest 32 bits first; no zero limb on top
};
