// The page's key numbers by the program's names: the keys the dialogs act on arrive named,
// and a number that names no key must not pass for one.
#include "platform/web/web_keys.h"

#include <gtest/gtest.h>

TEST(KeyOfKeyCode, TheDialogKeysAndTheAcceleratorsLettersAndDigitsArriveNamed) {
  EXPECT_EQ(KeyOfKeyCode(9), Key::kTab);
  EXPECT_EQ(KeyOfKeyCode(13), Key::kEnter);
  EXPECT_EQ(KeyOfKeyCode(27), Key::kEscape);
  EXPECT_EQ(KeyOfKeyCode(37), Key::kLeft);
  EXPECT_EQ(KeyOfKeyCode(38), Key::kUp);
  EXPECT_EQ(KeyOfKeyCode(39), Key::kRight);
  EXPECT_EQ(KeyOfKeyCode(40), Key::kDown);
  EXPECT_EQ(KeyOfKeyCode(18), Key::kAlt);
  EXPECT_EQ(KeyOfKeyCode('A'), LetterKey('A'));
  EXPECT_EQ(KeyOfKeyCode('Z'), LetterKey('Z'));
  EXPECT_EQ(KeyOfKeyCode('Q'), LetterKey('Q'));
  EXPECT_EQ(KeyOfKeyCode('0'), DigitKey('0'));
  EXPECT_EQ(KeyOfKeyCode('7'), DigitKey('7'));
  EXPECT_EQ(KeyOfKeyCode('9'), DigitKey('9'));
  EXPECT_EQ(KeyOfKeyCode(112), FunctionKey(1));
  EXPECT_EQ(KeyOfKeyCode(115), Key::kF4);
  EXPECT_EQ(KeyOfKeyCode(135), FunctionKey(24));
}

TEST(KeyOfKeyCode, NumbersOfNoNamedKeyArriveAsNone) {
  // A keypad digit, a semicolon, the input method's placeholder, the menu key, one past F24.
  for (const int code : {0, 0x61, 0x3B, 186, 229, 93, 0x88, -1}) EXPECT_EQ(KeyOfKeyCode(code), Key::kNone) << code;
}
