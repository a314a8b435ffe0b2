// The drawn toolkit's label layout rules, which it shares with Windows' static controls, and
// how much of a text a label lays out.
#include <gtest/gtest.h>

#include "ui/drawn/text_layout.h"

namespace {

TEST(TextLayout, CrLfALoneCrAndALoneLfEachStartALine) {
  using Lines = std::vector<std::string_view>;
  EXPECT_EQ(SplitLines(""), Lines{""});
  EXPECT_EQ(SplitLines("one"), Lines{"one"});
  EXPECT_EQ(SplitLines("one\r\ntwo\rthree\nfour"), (Lines{"one", "two", "three", "four"}));
  EXPECT_EQ(SplitLines("end\r\n"), (Lines{"end", ""}));
  EXPECT_EQ(SplitLines("\n\r"), (Lines{"", "", ""}));
}

TEST(TextLayout, AnAmpersandShowsTheCharacterAfterIt) {
  EXPECT_EQ(WithoutPrefixMarks("Salt && pepper"), "Salt & pepper");
  EXPECT_EQ(WithoutPrefixMarks("&Options"), "Options");
  EXPECT_EQ(WithoutPrefixMarks("a&&&b&"), "a&b");
}

TEST(TextLayout, AHugeTextIsLaidOutOnlyAsFarAsBothLimits) {
  EXPECT_EQ(LaidOutPart("short\r\njoke"), "short\r\njoke");
  // Two-byte letters after one byte: the byte limit falls inside a letter, which goes whole.
  std::string accents = "a";
  while (accents.size() < 2 * kMostLaidOutBytes) accents += "\u00E9";
  EXPECT_EQ(LaidOutPart(accents), std::string_view(accents).substr(0, kMostLaidOutBytes - 1));
  // Short lines: the line limit comes first, and the part ends before a break.
  std::string lines;
  for (std::size_t i = 0; i < 2 * kMostLaidOutLines; ++i) lines += "x\r\n";
  const std::string_view part = LaidOutPart(lines);
  EXPECT_EQ(SplitLines(part).size(), kMostLaidOutLines);
  EXPECT_EQ(part.back(), 'x');
}

TEST(TextLayout, WrappingBreaksBetweenWordsWithinTheWidth) {
  const auto length = [](std::string_view text) { return static_cast<int>(text.size()); };
  using Lines = std::vector<std::string_view>;
  EXPECT_EQ(WrapLine("fits", 10, length), Lines{"fits"});
  EXPECT_EQ(WrapLine("the quick brown fox jumps", 10, length), (Lines{"the quick", "brown fox", "jumps"}));
  EXPECT_EQ(WrapLine("a  b", 1, length), (Lines{"a", "b"}));
  EXPECT_EQ(WrapLine("unbreakable-word and more", 5, length), (Lines{"unbreakable-word", "and", "more"}));
  EXPECT_EQ(WrapLine("trailing   ", 4, length), Lines{"trailing"});
}

}  // namespace
