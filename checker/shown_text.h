// Text from a joke file, or a file's name, made safe to print: what a terminal would act on
// rather than show (control characters, the escape that starts its sequences, direction and
// other invisible format characters) and bytes that are not UTF-8 become visible escapes,
// "\x1b" or "\u202e"; letters of every script stay letters. A long text is cut short.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// How many characters of a field or a text line a finding shows.
inline constexpr std::size_t kShownCharacters = 80;

// The text escaped; past `most` characters, cut and ended with "...".
std::string ShownText(std::string_view text, std::size_t most = kShownCharacters);

// The text escaped, cut short and in double quotes, as findings quote a file's text.
inline std::string Quoted(std::string_view text) {
  std::string quoted(1, '"');
  quoted += ShownText(text);
  quoted += '"';
  return quoted;
}

// The text escaped in full, for names.
inline std::string ShownName(std::string_view name) { return ShownText(name, std::string_view::npos); }
