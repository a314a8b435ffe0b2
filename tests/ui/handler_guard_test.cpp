// The net under every handler: an escaped failure ends the program after one box.
#include "ui/handler_guard.h"

#include <gtest/gtest.h>

#include "tests/support/headless_program.h"
#include "ui/failure.h"

namespace {

TEST(RunGuarded, AnEscapedFailureShowsOneRunTimeErrorBoxAndEndsTheProgram) {
  HeadlessPlatform platform("/c", "/tmp");
  bool went_on = false;
  RunHeadless([&] {
    RunGuarded(platform.services, [] { Fail(failure_code::kPathFileAccessError); });
    went_on = true;
  });
  EXPECT_FALSE(went_on);
  EXPECT_TRUE(platform.services.ended);
  ASSERT_EQ(platform.services.message_boxes.size(), 1u);
  EXPECT_EQ(platform.services.message_boxes[0],
            (MessageBoxRecord{"Zorbel", "Run-time error '75':\r\n\r\nPath/File access error",
                              message_box_style::kOkOnly}));
}

TEST(RunGuarded, AHandlerThatSucceedsEndsNothing) {
  HeadlessPlatform platform("/c", "/tmp");
  int runs = 0;
  RunGuarded(platform.services, [&] { ++runs; });
  EXPECT_EQ(runs, 1);
  EXPECT_FALSE(platform.services.ended);
}

}  // namespace
