// How many places a reader's eye gives a character: none for a combining mark or an
// invisible format character, which belong to the letter before them; two for an East Asian
// wide character; one for every other. The ranges are the main blocks of each, not all of
// Unicode's tables: the checker's advice needs a reader's count, not a terminal's.
#pragma once

#include <cstddef>
#include <string_view>

int ReaderWidth(char32_t code_point);

// The sum of the widths of the UTF-8 text's characters.
std::size_t ReaderLength(std::string_view utf8);
