// Letter case on a POSIX system, from the C library's Unicode tables.
#pragma once

#include <string>
#include <string_view>

// Each letter of the UTF-8 text to upper case and then to lower case, so that every way of
// writing a word in capitals or not (Greek's two small sigmas too) comes out the same. Works
// whatever locale the process runs in.
std::string FoldCaseUtf8(std::string_view utf8);
