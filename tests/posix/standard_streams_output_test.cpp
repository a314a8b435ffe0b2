// The checker's text on two C streams that reach one file, as stdout and stderr reach one
// terminal: the trouble comes after the report made before it, whatever the report's
// stream held back; and a report that failed once stays failed.
#include "platform/posix/checker/standard_streams_output.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "tests/support/temp_folder.h"

namespace {

TEST(StandardStreamsOutput, TroubleFollowsTheReportMadeBeforeIt) {
  TempFolder folder;
  std::FILE* report = std::fopen(folder.File("both").c_str(), "a");
  std::FILE* trouble = std::fopen(folder.File("both").c_str(), "a");
  ASSERT_NE(report, nullptr);
  ASSERT_NE(trouble, nullptr);
  StandardStreamsOutput output(report, trouble);
  output.Report("first.txt: 1 clean\n");
  output.Trouble("zorbel-check: out of memory\n");
  output.Report("never read\n");
  EXPECT_TRUE(output.ReportDelivered());
  std::fclose(report);
  std::fclose(trouble);
  EXPECT_EQ(folder.Read("both"), "first.txt: 1 clean\nzorbel-check: out of memory\nnever read\n");
}

// A report larger than the stream's buffer is written past it, so that a flush finds
// nothing left to fail on.
TEST(StandardStreamsOutput, AReportThatFailedOnceIsNotDelivered) {
  for (const std::size_t size : {std::size_t{40}, std::size_t{1} << 20}) {
    std::FILE* full = std::fopen("/dev/full", "w");
    ASSERT_NE(full, nullptr);
    StandardStreamsOutput output(full, stderr);
    output.Report(std::string(size, 'x'));
    EXPECT_FALSE(output.ReportDelivered()) << size;
    std::fclose(full);
  }
}

}  // namespace
