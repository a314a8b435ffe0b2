// The single-byte code page the POSIX programs read a joke file in when it is neither UTF-8
// nor UTF-16: code page 1252, Western European, as Windows defines it.
#pragma once

#include <string>
#include <string_view>

// Each byte as the character code page 1252 gives it, in UTF-8. The five bytes the code page
// leaves unassigned become the control characters of the same number, as Windows maps them.
std::string Cp1252ToUtf8(std::string_view bytes);
