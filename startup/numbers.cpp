// Decimal number forms, the leading-number reading and the shortest written forms, all by
// the program's own rules: the locale has no say in them.
#include "startup/numbers.h"

#include <cmath>

#include "startup/exact_decimal.h"

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Length of the longest prefix of text that has the form of a decimal number; 0 if none.
std::size_t DecimalPrefixLength(std::string_view text) {
  std::size_t i = 0;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
  std::size_t digits = 0;
  while (i < text.size() && IsDigit(text[i])) ++i, ++digits;
  if (i < text.size() && text[i] == '.') {
    ++i;
    while (i < text.size() && IsDigit(text[i])) ++i, ++digits;
  }
  if (digits == 0) return 0;
  if (i < text.size() && (text[i] == 'E' || text[i] == 'e')) {
    std::size_t j = i + 1;
    if (j < text.size() && (text[j] == '+' || text[j] == '-')) ++j;
    const std::size_t exponent_start = j;
    while (j < text.size() && IsDigit(text[j])) ++j;
    if (j > exponent_start) i = j;
  }
  return i;
}

char AsciiLower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

double ReadRadixWhole(std::string_view digits, int radix) {
  double value = 0;
  for (char c : digits) {
    const char lower = AsciiLower(c);
    int digit;
    if (IsDigit(c)) {
      digit = c - '0';
    } else if (lower >= 'a' && lower <= 'f') {
      digit = lower - 'a' + 10;
    } else {
      break;
    }
    if (digit >= radix) break;
    value = value * radix + digit;
  }
  return value;
}

enum class NumberNotation { kShorter, kFixed };

// Without an exponent. A whole number is written with all the digits of its exact value, as
// printf's %.0f writes it, which reads back as the same number as its shortest digits would.
std::string FixedForm(const DecimalDigits& shortest, double positive) {
  if (shortest.exponent >= 0) {
    const DecimalDigits exact = ExactDigits(positive);
    return exact.digits + std::string(static_cast<std::size_t>(exact.exponent), '0');
  }
  const long long whole_digits = static_cast<long long>(shortest.digits.size()) + shortest.exponent;
  if (whole_digits > 0) {
    return shortest.digits.substr(0, static_cast<std::size_t>(whole_digits)) + "." +
           shortest.digits.substr(static_cast<std::size_t>(whole_digits));
  }
  return "0." + std::string(static_cast<std::size_t>(-whole_digits), '0') + shortest.digits;
}

std::size_t FixedLength(const DecimalDigits& shortest) {
  const auto digits = static_cast<long long>(shortest.digits.size());
  if (shortest.exponent >= 0) return static_cast<std::size_t>(digits + shortest.exponent);
  const long long whole_digits = digits + shortest.exponent;
  return static_cast<std::size_t>(whole_digits > 0 ? digits + 1 : 2 - whole_digits + digits);
}

// One digit before the point, the rest after it, and a signed exponent of at least two digits.
std::string ScientificForm(const DecimalDigits& shortest) {
  const long long exponent = shortest.exponent + static_cast<long long>(shortest.digits.size()) - 1;
  std::string written(1, shortest.digits[0]);
  if (shortest.digits.size() > 1) written += "." + shortest.digits.substr(1);
  written += exponent < 0 ? "e-" : "e+";
  const std::string exponent_digits = std::to_string(exponent < 0 ? -exponent : exponent);
  if (exponent_digits.size() < 2) written += '0';
  return written + exponent_digits;
}

// The shortest digits that read back as the number, in the shorter of the two notations (the
// fixed one when they are as long), or in the fixed one.
std::string WrittenNumber(double number, NumberNotation notation) {
  const std::string sign = std::signbit(number) ? "-" : "";
  if (std::isnan(number)) return sign + "nan";
  if (std::isinf(number)) return sign + "inf";
  if (number == 0) return sign + "0";
  const double positive = std::fabs(number);
  const DecimalDigits shortest = ShortestDigits(positive);
  if (notation == NumberNotation::kShorter) {
    const std::string scientific = ScientificForm(shortest);
    if (scientific.size() < FixedLength(shortest)) return sign + scientific;
  }
  return sign + FixedForm(shortest, positive);
}

}  // namespace

std::optional<double> ParseDecimalNumber(std::string_view text) {
  const std::size_t length = DecimalPrefixLength(text);
  if (length == 0 || length != text.size()) return std::nullopt;
  return NearestDouble(text);
}

double ReadLeadingNumber(std::string_view text) {
  std::string compact;
  for (char c : text) {
    if (c != ' ' && c != '\t' && c != '\n') compact += c;
  }
  if (compact.size() >= 2 && compact[0] == '&') {
    const char radix_letter = AsciiLower(compact[1]);
    if (radix_letter == 'h') return ReadRadixWhole(std::string_view(compact).substr(2), 16);
    if (radix_letter == 'o') return ReadRadixWhole(std::string_view(compact).substr(2), 8);
  }
  const std::size_t length = DecimalPrefixLength(compact);
  return length == 0 ? 0.0 : NearestDouble(std::string_view(compact).substr(0, length));
}

std::string ShortestDecimal(double number) { return WrittenNumber(number, NumberNotation::kShorter); }

std::string ShortestFixedDecimal(double number) { return WrittenNumber(number, NumberNotation::kFixed); }

std::optional<double> NumericValueOf(const FieldValue& value) {
  if (IsEmpty(value)) return 0.0;
  if (const auto* number = std::get_if<double>(&value)) return *number;
  std::string_view text = std::get<std::string>(value);
  while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
  while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
  return ParseDecimalNumber(text);
}
