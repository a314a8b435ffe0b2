// A set of code points as ranges sorted by their first code point, none overlapping, and
// whether a code point is in it: how the character tables are kept compact.
#pragma once

#include <algorithm>
#include <span>

struct CodePointRange {
  char32_t first;
  char32_t last;
};

inline bool InRanges(std::span<const CodePointRange> ranges, char32_t code_point) {
  const auto after = std::upper_bound(ranges.begin(), ranges.end(), code_point,
                                      [](char32_t code, const CodePointRange& range) { return code < range.first; });
  return after != ranges.begin() && code_point <= (after - 1)->last;
}
