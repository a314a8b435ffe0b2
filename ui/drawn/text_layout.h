// How a label lays out its text, as a Windows static control does: CR LF, a lone CR or a
// lone LF starts a line, "&&" shows one ampersand and "&" before a character only marks it,
// and a label that does not size itself wraps its lines between words to its width.
#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

// Laying out takes time in proportion to the text, and no input is answered meanwhile: a
// label lays out, measures and draws at most this many bytes and lines of its text, which is
// far more than a screen can show of one joke at a readable size.
inline constexpr std::size_t kMostLaidOutBytes = 16 * 1024;
inline constexpr std::size_t kMostLaidOutLines = 1024;

// The start of `text` that a label lays out: within both limits, and ending between two
// UTF-8 characters and before a line break.
std::string_view LaidOutPart(std::string_view text);

// The text without its prefix marks: "&&" is "&", any other "&" goes.
std::string WithoutPrefixMarks(std::string_view text);

// The text's lines, without their breaks; an empty text is one empty line.
std::vector<std::string_view> SplitLines(std::string_view text);

// `line` broken between words so that each piece is at most `width` wide as `measure`
// gives it; a word wider than that stands alone on its piece. The blanks at a break go.
std::vector<std::string_view> WrapLine(std::string_view line, int width,
                                       const std::function<int(std::string_view)>& measure);
