// Correctly rounded reading of decimal numbers and the shortest digits of a double, on whole
// numbers of any size; numbers of a few digits near 1, the usual ones, take a short way.
#include "startup/exact_decimal.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

#include "startup/big_whole.h"

namespace {

// Digits kept of a longer number: a number halfway between two doubles has at most 767
// significant digits, so any later digit only needs to be known as zero or not.
constexpr std::size_t kMostDigits = 800;
// An exponent is counted no further: beyond any text's length, so sums with it stay exact.
constexpr long long kExponentCeiling = 1000000000000000LL;
// 10^0 to 10^22, all exact in a double.
constexpr double kExactPowersOfTen[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                        1e8,  1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15,
                                        1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};
constexpr long long kFastestExponent = 22;
// Up to this many digits a whole number is exact in a double.
constexpr std::size_t kFastDigits = 15;
// The powers of two of a double's lowest bit: 52 below its highest, and never below the
// lowest bit of the smallest number.
constexpr int kMantissaBits = 53;
constexpr long long kLowestBit = -1074;
// Numbers of digits x 10^exponent, with digits + exponent above the first, are 10^310 or more,
// beyond the largest double (about 1.8 x 10^308); below the second, they are under 10^-325,
// nearer to zero than half the smallest (about 4.9 x 10^-324).
constexpr long long kInfiniteMagnitude = 310;
constexpr long long kZeroMagnitude = -324;

bool IsAsciiDigit(char c) { return c >= '0' && c <= '9'; }

// The value of digits x 10^exponent; digits without leading zeros, not empty. With one
// rounding the division or product of two exact numbers is the nearest double.
double NearestToDigits(const std::string& digits, long long exponent) {
  const long long magnitude = static_cast<long long>(digits.size()) + exponent;
  if (magnitude > kInfiniteMagnitude) return HUGE_VAL;
  if (magnitude < kZeroMagnitude) return 0.0;
  if (digits.size() <= kFastDigits && exponent >= -kFastestExponent && exponent <= kFastestExponent) {
    double whole = 0;
    for (const char c : digits) whole = whole * 10 + (c - '0');
    return exponent >= 0 ? whole * kExactPowersOfTen[exponent] : whole / kExactPowersOfTen[-exponent];
  }
  BigWhole numerator;
  for (const char c : digits) numerator.MultiplyAdd(10, static_cast<std::uint32_t>(c - '0'));
  BigWhole denominator(1);
  if (exponent >= 0) {
    numerator.MultiplyByPower(10, static_cast<std::uint64_t>(exponent));
  } else {
    denominator.MultiplyByPower(10, static_cast<std::uint64_t>(-exponent));
  }
  // The power of two of the value's highest bit: the bit lengths tell it to within one.
  long long top = static_cast<long long>(numerator.BitLength()) - static_cast<long long>(denominator.BitLength());
  {
    BigWhole scaled_numerator = numerator;
    BigWhole scaled_denominator = denominator;
    if (top >= 0) {
      scaled_denominator.ShiftLeft(static_cast<std::size_t>(top));
    } else {
      scaled_numerator.ShiftLeft(static_cast<std::size_t>(-top));
    }
    if (Compare(scaled_numerator, scaled_denominator) < 0) --top;
  }
  // The quotient down to one bit below the double's lowest, and whether anything is left.
  const long long lowest = std::max(top - (kMantissaBits - 1), kLowestBit);
  const long long shift = 1 - lowest;
  if (shift >= 0) {
    numerator.ShiftLeft(static_cast<std::size_t>(shift));
  } else {
    denominator.ShiftLeft(static_cast<std::size_t>(-shift));
  }
  constexpr int kQuotientBits = kMantissaBits + 1;
  denominator.ShiftLeft(kQuotientBits);
  std::uint64_t quotient = 0;
  for (int bit = kQuotientBits; bit >= 0; --bit) {
    if (Compare(numerator, denominator) >= 0) {
      numerator.Subtract(denominator);
      quotient |= std::uint64_t{1} << bit;
    }
    denominator.ShiftRightOne();
  }
  std::uint64_t mantissa = quotient >> 1;
  const bool half = (quotient & 1) != 0;
  if (half && (!numerator.IsZero() || (mantissa & 1) != 0)) ++mantissa;
  return std::ldexp(static_cast<double>(mantissa), static_cast<int>(lowest));
}

DecimalDigits WithoutTrailingZeros(DecimalDigits number) {
  while (number.digits.size() > 1 && number.digits.back() == '0') {
    number.digits.pop_back();
    ++number.exponent;
  }
  return number;
}

// The number one unit of its last digit further from zero.
DecimalDigits NextUp(DecimalDigits number) {
  std::size_t at = number.digits.size();
  while (at > 0 && number.digits[at - 1] == '9') number.digits[--at] = '0';
  if (at == 0) {
    number.digits.insert(number.digits.begin(), '1');
  } else {
    ++number.digits[at - 1];
  }
  return WithoutTrailingZeros(std::move(number));
}

// How the digits from `from` on compare with one half of a unit of the digit before them.
int CompareRestWithHalf(const std::string& digits, std::size_t from) {
  if (digits[from] != '5') return digits[from] < '5' ? -1 : 1;
  const bool more = std::any_of(digits.begin() + static_cast<std::ptrdiff_t>(from) + 1, digits.end(),
                                [](char c) { return c != '0'; });
  return more ? 1 : 0;
}

}  // namespace

double NearestDouble(std::string_view form) {
  std::size_t at = 0;
  bool negative = false;
  if (at < form.size() && (form[at] == '+' || form[at] == '-')) negative = form[at++] == '-';
  std::string digits;
  long long exponent = 0;
  bool point = false;
  bool dropped_nonzero = false;
  for (; at < form.size(); ++at) {
    const char c = form[at];
    if (c == '.' && !point) {
      point = true;
      continue;
    }
    if (!IsAsciiDigit(c)) break;
    if (digits.empty() && c == '0') {
      if (point) --exponent;
    } else if (digits.size() < kMostDigits) {
      digits += c;
      if (point) --exponent;
    } else {
      if (!point) ++exponent;
      dropped_nonzero = dropped_nonzero || c != '0';
    }
  }
  if (at + 1 < form.size() && (form[at] == 'e' || form[at] == 'E')) {
    std::size_t next = at + 1;
    const bool negative_exponent = form[next] == '-';
    if (form[next] == '+' || form[next] == '-') ++next;
    long long written = 0;
    for (; next < form.size() && IsAsciiDigit(form[next]); ++next) {
      written = std::min(written * 10 + (form[next] - '0'), kExponentCeiling);
    }
    exponent += negative_exponent ? -written : written;
  }
  // A number that stands for the digits dropped, just above those kept and below the next.
  if (dropped_nonzero) {
    digits += '1';
    --exponent;
  }
  if (digits.empty()) return negative ? -0.0 : 0.0;
  const DecimalDigits number = WithoutTrailingZeros({std::move(digits), exponent});
  const double magnitude = NearestToDigits(number.digits, number.exponent);
  return negative ? -magnitude : magnitude;
}

DecimalDigits ExactDigits(double positive) {
  int binary_exponent = 0;
  const double fraction = std::frexp(positive, &binary_exponent);
  auto mantissa = static_cast<std::uint64_t>(std::ldexp(fraction, kMantissaBits));
  long long power = binary_exponent - kMantissaBits;
  while ((mantissa & 1) == 0) {
    mantissa >>= 1;
    ++power;
  }
  // m x 2^-k is m x 5^k x 10^-k: a whole number of digits and a power of ten.
  BigWhole whole(mantissa);
  DecimalDigits exact;
  if (power >= 0) {
    whole.ShiftLeft(static_cast<std::size_t>(power));
  } else {
    whole.MultiplyByPower(5, static_cast<std::uint64_t>(-power));
    exact.exponent = power;
  }
  constexpr std::uint32_t kChunk = 1000000000;
  constexpr int kChunkDigits = 9;
  std::string reversed;
  while (!whole.IsZero()) {
    std::uint32_t chunk = whole.DivideBy(kChunk);
    for (int digit = 0; digit < kChunkDigits; ++digit, chunk /= 10) reversed += static_cast<char>('0' + chunk % 10);
  }
  while (reversed.size() > 1 && reversed.back() == '0') reversed.pop_back();
  exact.digits.assign(reversed.rbegin(), reversed.rend());
  return WithoutTrailingZeros(std::move(exact));
}

// The two numbers of `kept` digits either side of the exact value, the nearer first (of two
// as near, the even one), and which of them read back as the number.
struct Neighbours {
  DecimalDigits nearer;
  DecimalDigits farther;
  bool nearer_reads_back = false;
  bool farther_reads_back = false;
};

Neighbours NeighboursWith(const DecimalDigits& exact, std::size_t kept, double positive) {
  const std::size_t length = exact.digits.size();
  DecimalDigits down{exact.digits.substr(0, kept), exact.exponent + static_cast<long long>(length - kept)};
  DecimalDigits up = NextUp(down);
  down = WithoutTrailingZeros(std::move(down));
  const int rest = CompareRestWithHalf(exact.digits, kept);
  const bool up_nearer = rest > 0 || (rest == 0 && (exact.digits[kept - 1] - '0') % 2 == 1);
  Neighbours neighbours{up_nearer ? up : down, up_nearer ? down : up};
  neighbours.nearer_reads_back = NearestToDigits(neighbours.nearer.digits, neighbours.nearer.exponent) == positive;
  neighbours.farther_reads_back =
      !neighbours.nearer_reads_back &&
      NearestToDigits(neighbours.farther.digits, neighbours.farther.exponent) == positive;
  return neighbours;
}

DecimalDigits ShortestDigits(double positive) {
  DecimalDigits exact = ExactDigits(positive);
  // If a number of k digits reads back, so does one of the two neighbours of k + 1 digits,
  // being no further off: the fewest digits can be found by halving. A double's 17
  // significant digits always read back as it, and all of its exact digits do.
  constexpr std::size_t kEnoughDigits = 17;
  std::size_t fewest = 1;
  std::size_t most = std::min(exact.digits.size(), kEnoughDigits);
  while (fewest < most) {
    const std::size_t middle = (fewest + most) / 2;
    const Neighbours neighbours = NeighboursWith(exact, middle, positive);
    if (neighbours.nearer_reads_back || neighbours.farther_reads_back) {
      most = middle;
    } else {
      fewest = middle + 1;
    }
  }
  if (fewest == exact.digits.size()) return exact;
  Neighbours neighbours = NeighboursWith(exact, fewest, positive);
  return neighbours.nearer_reads_back ? std::move(neighbours.nearer) : std::move(neighbours.farther);
}
