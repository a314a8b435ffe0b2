// Decimal numbers to binary floating point and back, exactly and by the program's own rules:
// what a number reads as, and how it is written, never hangs on the locale (a comma for the
// point) or on what the C library of a platform provides.
#pragma once

#include <string>
#include <string_view>

// The double nearest to a text of decimal form (an optional sign, digits with an optional point
// and fraction, an optional exponent), the even one of two as near; past the largest double,
// an infinity; nearer to zero than half the smallest, zero.
double NearestDouble(std::string_view decimal_form);

// Significant digits, without leading or trailing zeros, and the power of ten of the last of
// them: 7.5 is {"75", -1}, 1200 is {"12", 2}.
struct DecimalDigits {
  std::string digits;
  long long exponent = 0;
};

// All the digits of the exact value of a finite number above 0.
DecimalDigits ExactDigits(double positive);

// The fewest digits that read back as the finite number above 0; of two such, the nearer to
// it, and of two as near, the even one.
DecimalDigits ShortestDigits(double positive);
