// What a field of a text file reads as: empty, a number or a text.
#pragma once

#include <string>
#include <string_view>
#include <variant>

using FieldValue = std::variant<std::monostate, double, std::string>;

inline bool IsEmpty(const FieldValue& value) { return std::holds_alternative<std::monostate>(value); }

// True only for a text equal to the word, exactly and case-sensitively.
inline bool IsWord(const FieldValue& value, std::string_view word) {
  const auto* text = std::get_if<std::string>(&value);
  return text != nullptr && *text == word;
}
