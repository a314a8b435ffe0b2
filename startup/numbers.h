// The number rules shared by the readers, the options dialog and the writers: the form of
// a decimal number, the leading-number reading of typed text, and the written forms.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "startup/field_value.h"

// The text as a decimal number if all of it has that form: an optional sign, digits with
// an optional full stop and fraction, an optional exponent (E or e, optional sign, digits).
std::optional<double> ParseDecimalNumber(std::string_view text);

// The numeric value of typed text: blanks, tabs and line feeds are skipped wherever they
// stand; the longest leading decimal number is taken, the rest ignored; "&H" and "&O"
// begin hexadecimal and octal whole numbers; anything else reads as 0.
double ReadLeadingNumber(std::string_view text);

// The shortest decimal form that reads back as the same number ("7.5", "12", "1e+22"): of
// the fixed and the scientific notation the shorter, the fixed one when they are as long.
std::string ShortestDecimal(double number);
// The shortest form without an exponent ("0.0000001"); a whole number with all the digits of
// its exact value.
std::string ShortestFixedDecimal(double number);

// A value used as a number: empty is 0, a number is itself, a text counts only when it
// reads wholly as a decimal number (blanks around it allowed); otherwise nothing.
std::optional<double> NumericValueOf(const FieldValue& value);
