// Whole-number arithmetic on 32-bit limbs, carried in 64 bits.
#include "startup/big_whole.h"


BigWhole::BigWhole(std::uint64_t value) {
  while (value != 0) {
    limbs_.push_back(static_cast<std::uint32_t>(value));
    value >>= 32;
  }
}

std::size_t BigWhole::BitLength() const {
  if (limbs_.empty()) return 0;
  std::size_t bits = 32 * (limbs_.size() - 1);
  for (std::uint32_t top = limbs_.back(); top != 0; top >>= 1) ++bits;
  return bits;
}

void BigWhole::MultiplyAdd(std::uint32_t factor, std::uint32_t addend) {
  std::uint64_t carry = addend;
  for (std::uint32_t& limb : limbs_) {
    const std::uint64_t product = static_cast<std::uint64_t>(limb) * factor + carry;
    limb = static_cast<std::uint32_t>(product);
    carry = product >> 32;
  }
  if (carry != 0) limbs_.push_back(static_cast<std::uint32_t>(carry));
  Trim();
}

void BigWhole::MultiplyByPower(std::uint32_t base, std::uint64_t exponent) {
  // The largest power of the base a limb holds, used as often as it fits.
  std::uint32_t step = base;
  std::uint64_t step_exponent = 1;
  while (static_cast<std::uint64_t>(step) * base <= UINT32_MAX) {
    step *= base;
    ++step_exponent;
  }
  for (; exponent >= step_exponent; exponent -= step_exponent) MultiplyAdd(step);
  std::uint32_t rest = 1;
  for (; exponent > 0; --exponent) rest *= base;
  MultiplyAdd(rest);
}

void BigWhole::ShiftLeft(std::size_t bits) {
  if (limbs_.empty()) return;
  const std::size_t whole_limbs = bits / 32;
  const unsigned within = bits % 32;
  if (within != 0) {
    std::uint32_t carry = 0;
    for (std::uint32_t& limb : limbs_) {
      const std::uint32_t next_carry = limb >> (32 - within);
      limb = (limb << within) | carry;
      carry = next_carry;
    }
    if (carry != 0) limbs_.push_back(carry);
  }
  limbs_.insert(limbs_.begin(), whole_limbs, 0);
}

void BigWhole::ShiftRightOne() {
  for (std::size_t i = 0; i < limbs_.size(); ++i) {
    const std::uint32_t high = i + 1 < limbs_.size() ? limbs_[i + 1] : 0;
    limbs_[i] = (limbs_[i] >> 1) | (high << 31);
  }
  Trim();
}

void BigWhole::Subtract(const BigWhole& smaller) {
  std::int64_t borrow = 0;
  for (std::size_t i = 0; i < limbs_.size(); ++i) {
    std::int64_t difference = static_cast<std::int64_t>(limbs_[i]) - borrow -
                              (i < smaller.limbs_.size() ? static_cast<std::int64_t>(smaller.limbs_[i]) : 0);
    borrow = difference < 0 ? 1 : 0;
    if (difference < 0) difference += std::int64_t{1} << 32;
    limbs_[i] = static_cast<std::uint32_t>(difference);
  }
  Trim();
}

std::uint32_t BigWhole::DivideBy(std::uint32_t divisor) {
  std::uint64_t remainder = 0;
  for (auto limb = limbs_.rbegin(); limb != limbs_.rend(); ++limb) {
    const std::uint64_t dividend = (remainder << 32) | *limb;
    *limb = static_cast<std::uint32_t>(dividend / divisor);
    remainder = dividend % divisor;
  }
  Trim();
  return static_cast<std::uint32_t>(remainder);
}

int Compare(const BigWhole& a, const BigWhole& b) {
  if (a.limbs_.size() != b.limbs_.size()) return a.limbs_.size() < b.limbs_.size() ? -1 : 1;
  for (std::size_t i = a.limbs_.size(); i-- > 0;) {
    if (a.limbs_[i] != b.limbs_[i]) return a.limbs_[i] < b.limbs_[i] ? -1 : 1;
  }
  return 0;
}

void BigWhole::Trim() {
  while (!limbs_.empty() && limbs_.back() == 0) limbs_.pop_back();
}
