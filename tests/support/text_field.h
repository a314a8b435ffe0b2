// A text field as the readers yield it, to compare what they read with.
#pragma once

#include <string>

#include "startup/field_value.h"

inline FieldValue Text(const char* text) { return std::string(text); }
