// A form's design as JSON, the way the page's script builds the form from it: every control
// with its kind, parent, place in twips, caption, font, colours and flags.
#pragma once

#include <string>
#include <string_view>

#include "ui/design.h"

// The text as a JSON string, quotes included: UTF-8 passes as it is, quotes, backslashes
// and control characters are escaped, and bytes that are not UTF-8 become U+FFFD so that
// the script's parser never refuses the whole design for one bad label.
std::string JsonString(std::string_view text);

std::string DesignJson(const FormDesign& design);
