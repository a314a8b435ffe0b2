// The texts of the start-up failure report.
#include "startup/startup_report.h"

#include <gtest/gtest.h>

#include "tests/support/failure_matchers.h"

namespace {

TEST(StartupReportText, PathFailuresShareOneTextAndOtherCodesTheGenericOne) {
  const std::string path_text =
      "There was a problem accessing the Joke database or the directory that contains the joke "
      "database. Contact us. See our web site for details. ";
  EXPECT_EQ(StartupReportText(MakeFailure(52)), path_text);
  EXPECT_EQ(StartupReportText(MakeFailure(76)), path_text);
  EXPECT_NE(StartupReportText(MakeFailure(70)).find("Error code: 70\r\nError description: "
                                                     "Permission denied\r\n"),
            std::string::npos);
}

}  // namespace
