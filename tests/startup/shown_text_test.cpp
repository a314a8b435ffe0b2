// Text from outside as the terminal gets it: what would not show as itself escaped, every
// script's letters as they are, long texts cut short, and a message's lines kept as lines.
#include "startup/shown_text.h"

#include <gtest/gtest.h>

#include "startup/utf8.h"

namespace {

std::string Utf8Of(char32_t code_point) {
  std::string text;
  AppendUtf8(text, code_point);
  return text;
}

TEST(ShownText, CharactersThatDoNotShowAsThemselvesBecomeEscapes) {
  struct {
    char32_t code_point;
    const char* shown;
  } cases[] = {
      {0x1B, "\\x1b"},          {0x07, "\\x07"},        {0x7F, "\\x7f"},        {0x85, "\\u0085"},
      {0x9B, "\\u009b"},        {0xAD, "\\u00ad"},      {0x34F, "\\u034f"},     {0x61C, "\\u061c"},
      {0x180E, "\\u180e"},      {0x200D, "\\u200d"},    {0x200F, "\\u200f"},    {0x2028, "\\u2028"},
      {0x202E, "\\u202e"},      {0x2066, "\\u2066"},    {0x3164, "\\u3164"},    {0xFE0F, "\\ufe0f"},
      {0xFEFF, "\\ufeff"},      {0xFFA0, "\\uffa0"},    {0xFFF9, "\\ufff9"},    {0x1D173, "\\U0001d173"},
      {0xE0001, "\\U000e0001"}, {0xE0041, "\\U000e0041"}, {0xE007F, "\\U000e007f"}, {0xE01EF, "\\U000e01ef"},
  };
  for (const auto& each : cases) {
    EXPECT_EQ(ShownText("a" + Utf8Of(each.code_point) + "1"), std::string("a") + each.shown + "1") << std::hex << static_cast<unsigned>(each.code_point);
  }
  EXPECT_EQ(ShownText("\xFF\xC3(\xE2\x82"), "\\xff\\xc3(\\xe2\\x82") << "bytes that are not UTF-8";
}

TEST(ShownText, LettersMarksAndSymbolsOfEveryScriptStay) {
  for (const char32_t letter : {U'\u00E9', U'\u0416', U'\u03A3', U'\u0628', U'\u05D0', U'\u0E01', U'\u4E2D',
                                U'\uAC00', U'\u0301', U'\u064B', U'\u00A0', U'\u3000', U'\uFFFD', U'\U0001F600',
                                U'\U00020000'}) {
    EXPECT_EQ(ShownText(Utf8Of(letter)), Utf8Of(letter)) << std::hex << static_cast<unsigned>(letter);
  }
  EXPECT_EQ(ShownText("tab\there"), "tab\\x09here");
}

TEST(ShownText, ALongTextIsCutByCharactersAndANameIsNot) {
  std::string greek;
  for (int i = 0; i < 100; ++i) greek += "\u03B1";
  std::string expected;
  for (int i = 0; i < 80; ++i) expected += "\u03B1";
  EXPECT_EQ(ShownText(greek), expected + "...");
  EXPECT_EQ(Quoted("\x1B[2J"), "\"\\x1b[2J\"");
  EXPECT_EQ(ShownName(greek), greek);
}

TEST(ShownLines, EachLineEscapedOnItsOwnLineEndingInOneBreak) {
  EXPECT_EQ(ShownLines("D'oh!\r\nThe Jokes database is corrupted. "), "D'oh!\nThe Jokes database is corrupted. \n");
  EXPECT_EQ(ShownLines("Error source: Zorbel\r\n"), "Error source: Zorbel\n");
  EXPECT_EQ(ShownLines("one\n\ntwo"), "one\n\ntwo\n");
  EXPECT_EQ(ShownLines("/home/z\u00E9/jokes.txt"), "/home/z\u00E9/jokes.txt\n");
  EXPECT_EQ(ShownLines(""), "\n");
  // A lone carriage return would send the cursor back over what the line said.
  EXPECT_EQ(ShownLines("safe\rforged\x1B]0;title\x07\r\n"), "safe\\x0dforged\\x1b]0;title\\x07\n");
}

}  // namespace
