// The one rule for how long an entry needs on screen: its text read at 15 characters a
// second, against the default delay. The collection's extra seconds follow this rule, and
// the checker warns where an entry gets less time than it needs.
#pragma once

#include <cstddef>
#include <string>

inline constexpr int kReadingCharactersPerSecond = 15;

// The characters a reader goes through in a text as the saver stores it (lines joined by
// CR LF), counted by their reader's width, and one for each break between two lines.
std::size_t ReadingLength(const std::string& text);

// The whole seconds a text of that length needs: the length over the reading speed,
// rounded up.
int SecondsToRead(std::size_t length);

// The extra seconds that give the text its reading time on top of the default delay.
int ExtraSecondsToRead(std::size_t length);
