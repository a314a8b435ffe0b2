// UTF-8 one sequence at a time: what a well-formed sequence is (no overlong forms, no
// encoded surrogates, nothing past U+10FFFF, nothing cut short), and how a code point is
// written. Every reader of joke text that needs more than bytes works through these.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

inline constexpr char32_t kReplacementCharacter = 0xFFFD;
// The byte-order mark some editors put at the start of a UTF-8 file.
inline constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";

// The sequence that starts at a position: its length and code point when well formed;
// otherwise the length of the longest start of a sequence that could still have been
// well formed (at least 1), which a decoder replaces by one U+FFFD.
struct Utf8Sequence {
  std::size_t length = 1;
  bool well_formed = false;
  char32_t code_point = kReplacementCharacter;
};

Utf8Sequence Utf8SequenceAt(std::string_view text, std::size_t at);

// True when every sequence of the text is well formed.
bool IsWellFormedUtf8(std::string_view text);

void AppendUtf8(std::string& out, char32_t code_point);
