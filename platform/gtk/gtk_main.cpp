// The settings program's entry point: opens the display, builds the GTK toolkit and the
// services, finds the user's settings and joke files where the saver finds them and its
// one-copy lock in the user's runtime folder, runs the program's configuration start-up and
// serves its windows until the last one closes.
#include <gtk/gtk.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <string>

#include "app/program.h"
#include "platform/gtk/gtk_services.h"
#include "platform/gtk/gtk_window_system.h"
#include "platform/posix/command_output.h"
#include "platform/posix/data_paths.h"
#include "platform/posix/instance_lock.h"
#include "startup/shown_text.h"
#include "ui/failure_net.h"

namespace {

constexpr const char* kProgram = "zorbel-settings";
constexpr const char* kUsage =
    "Usage: zorbel-settings\n"
    "Opens the Zorbel Joke Screensaver's setup windows, where the joke style, medical\n"
    "terminology and the delay between jokes are chosen for the saver.\n"
    "  --help     show this text\n"
    "  --version  show the version\n";

}  // namespace

int main(int argc, char** argv) {
  KeepStatusOnBrokenPipes();
  if (argc > 1) {
    if (std::strcmp(argv[1], "--help") == 0 && argc == 2) return PrintedOnStdout(kProgram, kUsage);
    if (std::strcmp(argv[1], "--version") == 0 && argc == 2) {
      return PrintedOnStdout(kProgram, std::string(kProgram) + " " + kAppVersion + "\n");
    }
  }
  if (!gtk_init_check(&argc, &argv)) {
    const char* name = std::getenv("DISPLAY");
    WriteDiagnostic(kProgram, "cannot open the display " + Quoted(name != nullptr ? name : ""));
    return 1;
  }
  if (argc > 1) {
    WriteDiagnostic(kProgram, "unknown argument " + Quoted(argv[1]));
    std::fputs(kUsage, stderr);
    return 2;
  }

  const EnvironmentLookup environment = [](const char* name) { return std::getenv(name); };
  std::map<OwnFile, std::string> own_files{
      {OwnFile::kSettings, SettingsFilePath(environment)},
      {OwnFile::kJokes, JokesFilePath("", environment)},
  };
  GtkWindowSystem windows;
  // One copy per user and display, as each login's desktop has its own.
  const std::string runtime_folder = RuntimeFolder(environment);
  const std::string instance_stem =
      runtime_folder.empty() ? ""
                             : runtime_folder + "/zorbel/settings-" +
                                   DisplayKey(gdk_display_get_name(gdk_display_get_default()));
  GtkServices services(windows, std::move(own_files), instance_stem);
  FailureNet failure_net(services);
  services.GuardContinuationsWith(failure_net);
  failure_net.RunGuarded([&] {
    Program program(services, windows, failure_net);
    program.Main(ProgramMode::kConfigure);
    windows.Run();
  });
  services.EndProgram(exit_status::kSucceeded);
}
