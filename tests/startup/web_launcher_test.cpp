// The web launcher's shell requests.
#include <gtest/gtest.h>

#include "startup/web_endpoints.h"
#include "startup/web_launcher.h"
#include "tests/support/headless_program.h"

namespace {

TEST(OpenWebAddress, MakesOneShellRequestPerCallWithTheSixArguments) {
  HeadlessPlatform platform("/c", "/opt/zorbel");
  HeadlessServices& services = platform.services;
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

}  // namespace
