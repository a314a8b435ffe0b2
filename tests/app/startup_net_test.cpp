// Start-up's failure report for exceptions that are not the readers' own: memory running
// out while the database loads, a window the system will not create.
#include <gtest/gtest.h>

#include <new>
#include <system_error>

#include "platform/headless/headless_services.h"
#include "platform/headless/headless_window_system.h"
#include "startup/joke_database.h"
#include "app/program.h"
#include "startup/startup_report.h"
#include "ui/command_line.h"
#include "tests/support/temp_folder.h"

namespace {

// Runs out of memory reading the joke database, as a joke file larger than memory does.
class MemorylessServices : public HeadlessServices {
 public:
  using HeadlessServices::HeadlessServices;
  std::string ReadFileBytes(const std::string& path, std::size_t max_bytes, ReadBound bound) override {
    if (path.ends_with(kJokeDatabaseFileName)) throw std::bad_alloc();
    return HeadlessServices::ReadFileBytes(path, max_bytes, bound);
  }
};

// A toolkit that is refused every window.
class RefusingWindows : public HeadlessWindowSystem {
 public:
  FormHandle CreateForm(const FormDesign&, FormEventSink&) override {
    throw std::system_error(1400, std::system_category(), "CreateWindowExA");
  }
};

template <typename TheServices, typename TheWindows>
MessageBoxRecord OnlyBoxOf(const std::string& arguments, const std::string& folder) {
  HeadlessMachine machine;
  TheServices services{machine, folder};
  TheWindows windows;
  FailureNet failure_net(services);
  Program program(services, windows, failure_net);
  RunHeadless([&] { program.Main(ModeOfSwitch(arguments)); });
  EXPECT_TRUE(services.ended);
  EXPECT_EQ(services.ended_with, exit_status::kFailed);
  EXPECT_TRUE(services.pointer_hidden_calls.empty()) << "the cursor is hidden only once the saver shows";
  return services.message_boxes.size() == 1 ? services.message_boxes[0] : MessageBoxRecord{};
}

TEST(StartupNet, MemoryRunningOutOrAWindowRefusedGivesTheGenericReportWithItsCode) {
  TempFolder folder;
  folder.Write("jokes.txt", "\"db\",2,4\r\nclean,0,0\r\nA zorbel walks in.\r\n</joke>\r\n");
  const std::string out_of_memory = StartupReportText(Failure{7, "Out of memory", "Zorbel"});
  const std::string refused = StartupReportText(Failure{361, "Can't load or unload this object", "Zorbel"});
  for (const char* mode : {"/s", "/c"}) {
    const MessageBoxRecord box = OnlyBoxOf<MemorylessServices, HeadlessWindowSystem>(mode, folder.path());
    EXPECT_EQ(box.title, kStartupReportTitle) << mode;
    EXPECT_EQ(box.text, out_of_memory) << mode;
    EXPECT_EQ((OnlyBoxOf<HeadlessServices, RefusingWindows>(mode, folder.path()).text), refused) << mode;
  }
}

}  // namespace
