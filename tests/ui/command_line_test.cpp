// The argument text the program reads from its command line, and the mode of its switch.
#include "ui/command_line.h"

#include <gtest/gtest.h>

namespace {

TEST(ArgumentTextOf, DropsTheProgramNameAndTheBlanksBehindIt) {
  EXPECT_EQ(ArgumentTextOf("\"C:\\My Savers\\Zorbel.scr\" /s"), "/s");
  EXPECT_EQ(ArgumentTextOf("C:\\WINDOWS\\Zorbel.scr   \t/c"), "/c");
  EXPECT_EQ(ArgumentTextOf("\"Zorbel.scr\"/s"), "/s");
  EXPECT_EQ(ArgumentTextOf("Zorbel.scr /p 1234"), "/p 1234");
  EXPECT_EQ(ArgumentTextOf("Zorbel.scr /c "), "/c ");
  EXPECT_EQ(ArgumentTextOf("Zorbel.scr"), "");
}

TEST(ModeOfSwitch, OnlyTheExactSwitchesStartAMode) {
  EXPECT_EQ(ModeOfSwitch("/c"), ProgramMode::kConfigure);
  EXPECT_EQ(ModeOfSwitch("/s"), ProgramMode::kSave);
  for (const char* other : {"", "/C", "/S", "/c:1234", "/s ", " /s", "/p 1234", "/p", "-s"}) {
    EXPECT_EQ(ModeOfSwitch(other), ProgramMode::kNothing) << other;
  }
}

}  // namespace
