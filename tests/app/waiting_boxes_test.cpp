// Message boxes that return at once: what follows a box (the hub after the beta notice, a
// page after its notice, the end of the program after a failure's box) waits until the user
// has closed it, as a home without a nested event loop shows them.
#include <gtest/gtest.h>

#include <stdexcept>

#include "startup/web_endpoints.h"
#include "tests/support/headless_program.h"
#include "tests/support/temp_folder.h"

namespace {

class WaitingBoxesTest : public ::testing::Test {
 protected:
  // The program started with `arguments`, its boxes left up until the test closes them.
  HeadlessProgram& Start(const std::string& arguments) {
    app = std::make_unique<HeadlessProgram>(arguments, folder.path());
    app->services.boxes_wait_for_user = true;
    app->RunMain();
    return *app;
  }
  void CloseBox() { RunHeadless([this] { app->services.CloseMessageBox(); }); }

  TempFolder folder;
  std::unique_ptr<HeadlessProgram> app;
};

TEST_F(WaitingBoxesTest, TheHubShowsOnlyOnceTheBetaNoticeIsClosed) {
  folder.Write("jokes.txt", "\"db\",3,4\r\n");
  HeadlessProgram& run = Start("/c");
  ASSERT_EQ(run.services.boxes_up(), 1u);
  EXPECT_EQ(run.services.message_boxes.back().title, "Welcome to beta");
  EXPECT_FALSE(run.windows.IsShown("Form3"));

  CloseBox();
  EXPECT_TRUE(run.windows.IsShown("Form3"));
  EXPECT_EQ(run.windows.ActiveFormName(), "Form3");
  EXPECT_FALSE(run.services.ended);
}

TEST_F(WaitingBoxesTest, APageOpensOnlyOnceItsNoticeIsClosed) {
  folder.Write("jokes.txt", "\"db\",3,4\r\n");
  HeadlessProgram& run = Start("/c");
  CloseBox();
  const std::string home = endpoints::MakerAddress("/zorbel/bounce.cgi?where=home");
  // The hub's own link, then the options dialog's, each behind its notice.
  for (const char* opener : {"Command4", "Label13"}) {
    if (std::string(opener) == "Label13") run.windows.Click("Command1");
    run.services.opened_addresses.clear();
    run.windows.Click(opener);
    ASSERT_EQ(run.services.boxes_up(), 1u) << opener;
    EXPECT_TRUE(run.services.opened_addresses.empty()) << opener << ": opened under its notice";
    CloseBox();
    EXPECT_EQ(run.services.opened_addresses, std::vector<std::string>{home}) << opener;
  }
}

TEST_F(WaitingBoxesTest, AFailedStartEndsTheProgramOnlyOnceItsReportIsClosed) {
  for (const char* arguments : {"/c", "/s"}) {
    HeadlessProgram& run = Start(arguments);  // no joke file: the code-53 report
    ASSERT_EQ(run.services.boxes_up(), 1u) << arguments;
    EXPECT_EQ(run.services.message_boxes.back().title, "D'oh! An error occurred");
    EXPECT_FALSE(run.services.ended) << arguments << ": ended under its report";
    EXPECT_FALSE(run.windows.IsShown("Form3"));
    EXPECT_FALSE(run.windows.IsShown("Form1"));

    CloseBox();
    EXPECT_TRUE(run.services.ended) << arguments;
    EXPECT_EQ(run.services.ended_with, exit_status::kFailed);
  }
}

TEST_F(WaitingBoxesTest, AHandlersFailureEndsTheProgramOnlyOnceItsBoxIsClosed) {
  HeadlessPlatform platform("/s", ".");
  platform.services.boxes_wait_for_user = true;
  RunHeadless([&] { platform.failure_net.RunGuarded([] { throw std::logic_error("a handler fails"); }); });
  ASSERT_EQ(platform.services.boxes_up(), 1u);
  EXPECT_FALSE(platform.services.ended);

  // A second failure under the box, as a timer's tick may bring, ends the program at once.
  RunHeadless([&] { platform.failure_net.RunGuarded([] { throw std::logic_error("a tick under the box"); }); });
  EXPECT_TRUE(platform.services.ended);
  EXPECT_EQ(platform.services.message_boxes.size(), 1u);
}

TEST_F(WaitingBoxesTest, ClosingTheRunTimeErrorBoxEndsTheProgram) {
  HeadlessPlatform platform("/s", ".");
  platform.services.boxes_wait_for_user = true;
  RunHeadless([&] { platform.failure_net.RunGuarded([] { throw std::logic_error("a handler fails"); }); });
  RunHeadless([&] { platform.services.CloseMessageBox(); });
  EXPECT_TRUE(platform.services.ended);
  EXPECT_EQ(platform.services.ended_with, exit_status::kFailed);
}

}  // namespace
