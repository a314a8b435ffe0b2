// The argument text the program reads from its command line.
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

}  // namespace
