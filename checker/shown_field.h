// A field of the joke database as a person would recognise it in the file: a number in
// its shortest form, a text in double quotes, or "(empty)".
#pragma once

#include <string>

#include "startup/field_value.h"
#include "startup/numbers.h"

inline std::string ShownField(const FieldValue& value) {
  if (IsEmpty(value)) return "(empty)";
  if (const double* number = std::get_if<double>(&value)) return ShortestDecimal(*number);
  return "\"" + std::get<std::string>(value) + "\"";
}
