// The width ranges, each sorted by its first code point.
#include "checker/character_width.h"

#include "startup/code_point_ranges.h"
#include "startup/utf8.h"

namespace {

// Combining marks of the Latin, Greek, Cyrillic, Hebrew, Arabic and Thai letters, the
// general combining blocks, joiners, direction marks, variation selectors and skin tones.
constexpr CodePointRange kWidthless[] = {
    {0x0300, 0x036F}, {0x0483, 0x0489}, {0x0591, 0x05BD}, {0x05BF, 0x05BF}, {0x05C1, 0x05C2},
    {0x05C4, 0x05C5}, {0x05C7, 0x05C7}, {0x0610, 0x061A}, {0x064B, 0x065F}, {0x0670, 0x0670},
    {0x06D6, 0x06DC}, {0x06DF, 0x06E4}, {0x06E7, 0x06E8}, {0x06EA, 0x06ED}, {0x0E31, 0x0E31},
    {0x0E34, 0x0E3A}, {0x0E47, 0x0E4E}, {0x1AB0, 0x1AFF}, {0x1DC0, 0x1DFF}, {0x200B, 0x200F},
    {0x202A, 0x202E}, {0x2060, 0x2064}, {0x20D0, 0x20FF}, {0x302A, 0x302F}, {0x3099, 0x309A},
    {0xFE00, 0xFE0F}, {0xFE20, 0xFE2F}, {0xFEFF, 0xFEFF}, {0x1F3FB, 0x1F3FF}, {0xE0100, 0xE01EF},
};

// Hangul jamo, the CJK blocks, kana, Hangul syllables, fullwidth forms and pictographs.
constexpr CodePointRange kWide[] = {
    {0x1100, 0x115F}, {0x2E80, 0x303E}, {0x3041, 0x33FF}, {0x3400, 0x4DBF}, {0x4E00, 0x9FFF},
    {0xA000, 0xA4CF}, {0xA960, 0xA97F}, {0xAC00, 0xD7A3}, {0xF900, 0xFAFF}, {0xFE30, 0xFE4F},
    {0xFF00, 0xFF60}, {0xFFE0, 0xFFE6}, {0x1F300, 0x1F64F}, {0x1F900, 0x1F9FF}, {0x20000, 0x2FFFD},
    {0x30000, 0x3FFFD},
};

}  // namespace

int ReaderWidth(char32_t code_point) {
  if (code_point < 0x300) return 1;
  if (InRanges(kWidthless, code_point)) return 0;
  return InRanges(kWide, code_point) ? 2 : 1;
}

std::size_t ReaderLength(std::string_view utf8) {
  std::size_t length = 0;
  for (std::size_t at = 0; at < utf8.size();) {
    const Utf8Sequence sequence = Utf8SequenceAt(utf8, at);
    length += static_cast<std::size_t>(ReaderWidth(sequence.code_point));
    at += sequence.length;
  }
  return length;
}
