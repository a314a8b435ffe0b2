// The Linux saver's reports for stderr.
#include <gtest/gtest.h>

#include "platform/x11/terminal_report.h"

namespace {

TEST(ReportForTerminal, LinesEndInLineFeedsAndTheUtf8TextStays) {
  EXPECT_EQ(ReportForTerminal("D'oh!\r\nThe Jokes database is corrupted. "), "D'oh!\nThe Jokes database is corrupted. \n");
  EXPECT_EQ(ReportForTerminal("Error source: Zorbel\r\n"), "Error source: Zorbel\n");
  EXPECT_EQ(ReportForTerminal("/home/z\u00E9/jokes.txt"), "/home/z\u00E9/jokes.txt\n");
  EXPECT_EQ(ReportForTerminal(""), "\n");
}

}  // namespace
