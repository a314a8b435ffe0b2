// The web launcher's shell requests and the run-time error box of escaped failures.
#include <gtest/gtest.h>

#include <filesystem>

#include "platform/headless/headless_services.h"
#include "startup/settings_file.h"
#include "startup/web_endpoints.h"
#include "startup/web_launcher.h"
#include "tests/support/temp_folder.h"
#include "ui/handler_guard.h"

namespace {

TEST(OpenWebAddress, MakesOneShellRequestPerCallWithTheSixArguments) {
  HeadlessMachine machine;
  HeadlessServices services{machine, "/c", "/opt/zorbel"};
  SharedState state;
  state.WebAddress = endpoints::BounceAddress("home");
  OpenWebAddress(state, services);
  OpenWebAddress(state, services);
  state.WebAddress.clear();
  OpenWebAddress(state, services);

  const ShellRequest home{0, "Open", endpoints::MakerAddress("/zorbel/bounce.cgi?where=home"), "",
                          "/opt/zorbel", 1};
  ASSERT_EQ(services.shell_requests.size(), 3u);
  EXPECT_EQ(services.shell_requests[0], home);
  EXPECT_EQ(services.shell_requests[1], home);
  EXPECT_EQ(services.shell_requests[2].file, "");
  EXPECT_TRUE(services.message_boxes.empty());
}

TEST(RunGuarded, AnEscapedFailureShowsOneRunTimeErrorBoxAndEndsTheProgram) {
  TempFolder folder;
  std::filesystem::create_directory(folder.File("Qorv.ini.new"));
  HeadlessMachine machine;
  HeadlessServices services{machine, "/c", folder.path()};
  bool went_on = false;
  RunHeadless([&] {
    RunGuarded(services, [&] { WriteSettings(services, "clean", "medicalno", 7); });
    went_on = true;
  });
  EXPECT_FALSE(went_on);
  EXPECT_TRUE(services.ended);
  ASSERT_EQ(services.message_boxes.size(), 1u);
  EXPECT_EQ(services.message_boxes[0],
            (MessageBoxRecord{"Zorbel", "Run-time error '75':\r\n\r\nPath/File access error", 0}));
}

TEST(RunGuarded, AHandlerThatSucceedsEndsNothing) {
  HeadlessMachine machine;
  HeadlessServices services{machine, "/c", "/tmp"};
  int runs = 0;
  RunGuarded(services, [&] { ++runs; });
  EXPECT_EQ(runs, 1);
  EXPECT_FALSE(services.ended);
}

}  // namespace
