// Text from outside (a joke file, a settings file, a command line, the environment, a file's
// name) made safe to print on a terminal or in a log: every character that would not show as
// itself (see invisible_characters.h) and every byte that is not UTF-8 becomes a visible
// escape, "\x1b", "\u202e" or "\U000e0041"; letters of every script stay letters.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// How many characters of a field or a text line a message shows.
inline constexpr std::size_t kShownCharacters = 80;

// The text escaped; past `most` characters, cut and ended with "...".
std::string ShownText(std::string_view text, std::size_t most = kShownCharacters);

// The text escaped, cut short and in double quotes, as messages quote what they were given.
inline std::string Quoted(std::string_view text) {
  std::string quoted(1, '"');
  quoted += ShownText(text);
  quoted += '"';
  return quoted;
}

// The text escaped in full, for names.
inline std::string ShownName(std::string_view name) { return ShownText(name, std::string_view::npos); }

// A message of one or more lines for a terminal: each CR LF or LF a line break, everything
// else escaped in full; it ends with one line break.
std::string ShownLines(std::string_view text);
