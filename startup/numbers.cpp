// Decimal number forms, the leading-number reading and the shortest written form.
#include "startup/numbers.h"

#include <cctype>
#include <charconv>
#include <cstdlib>

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

double ConvertDecimal(std::string_view text) {
  // strtod wants a terminated string; the form was checked, so it reads all of it.
  const std::string copy(text);
  return std::strtod(copy.c_str(), nullptr);
}

double ReadRadixWhole(std::string_view digits, int radix) {
  double value = 0;
  for (char c : digits) {
    const int lower = std::tolower(static_cast<unsigned char>(c));
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

}  // namespace

std::optional<double> ParseDecimalNumber(std::string_view text) {
  const std::size_t length = DecimalPrefixLength(text);
  if (length == 0 || length != text.size()) return std::nullopt;
  return ConvertDecimal(text);
}

double ReadLeadingNumber(std::string_view text) {
  std::string compact;
  for (char c : text) {
    if (c != ' ' && c != '\t' && c != '\n') compact += c;
  }
  if (compact.size() >= 2 && compact[0] == '&') {
    const char radix_letter = static_cast<char>(std::toupper(static_cast<unsigned char>(compact[1])));
    if (radix_letter == 'H') return ReadRadixWhole(std::string_view(compact).substr(2), 16);
    if (radix_letter == 'O') return ReadRadixWhole(std::string_view(compact).substr(2), 8);
  }
  const std::size_t length = DecimalPrefixLength(compact);
  return length == 0 ? 0.0 : ConvertDecimal(std::string_view(compact).substr(0, length));
}

std::string ShortestDecimal(double number) {
  char buffer[64];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, number);
  return std::string(buffer, result.ptr);
}

std::optional<double> NumericValueOf(const FieldValue& value) {
  if (IsEmpty(value)) return 0.0;
  if (const auto* number = std::get_if<double>(&value)) return *number;
  std::string_view text = std::get<std::string>(value);
  while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
  while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
  return ParseDecimalNumber(text);
}
