// A field of the joke database as a person would recognise it in the file: a number in
// its shortest form, a text in double quotes, escaped and cut short, or "(empty)".
#pragma once

#include <string>

#include "startup/shown_text.h"
#include "startup/field_value.h"
#include "startup/numbers.h"

inline std::string ShownField(const FieldValue& value) {
  if (IsEmpty(value)) return "(empty)";
  if (const double* number = std::get_if<double>(&value)) return ShortestDecimal(*number);
  return Quoted(std::get<std::string>(value));
}
