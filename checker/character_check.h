// Characters of a joke's text line that will not show as the writer meant: control
// characters, which the saver draws as a box or a gap.
#pragma once

#include <string>

// The warning for the first such character in the UTF-8 line, or an empty text.
std::string CharacterWarning(const std::string& line);
