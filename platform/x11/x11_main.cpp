// The Linux saver's entry point: reads the options, opens the display, finds the window to
// draw on, builds the X11 toolkit and services, runs the program's saver start-up and then
// serves its window until a key, a click, a move, SIGTERM, SIGINT or the window's end.
#include <X11/Xlib.h>
#include <X11/Xproto.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <map>
#include <string>
#include <vector>

#include "app/program.h"
#include "platform/posix/data_paths.h"
#include "platform/x11/saver_options.h"
#include "platform/x11/x11_services.h"
#include "platform/x11/x11_window_system.h"
#include "startup/joke_database.h"
#include "startup/settings_file.h"
#include "ui/failure_net.h"

namespace {

// The host ends a display program with SIGTERM; it leaves at once, and successfully.
void EndOnSignal(int) { _exit(0); }

void EndOnSignals() {
  struct sigaction action {};
  action.sa_handler = EndOnSignal;
  sigemptyset(&action.sa_mask);
  sigaction(SIGTERM, &action, nullptr);
  sigaction(SIGINT, &action, nullptr);
}

[[noreturn]] void Stop(const std::string& line, int status) {
  std::fprintf(stderr, "zorbel: %s\n", line.c_str());
  std::exit(status);
}

// A window the host gave that has gone leaves nothing to draw on: the program ends as the
// host would have it end. A window manager may refuse the keyboard to a window it has not
// yet shown, which is no failure. Any other refusal of the server is reported and passed
// over, except while the window named is checked, which reports its own failure.
Window watched_window = None;
bool checking_window = false;
int ReportXError(Display* display, XErrorEvent* error) {
  if ((error->error_code == BadWindow || error->error_code == BadDrawable) && error->resourceid == watched_window) {
    _exit(0);
  }
  if (checking_window || error->request_code == X_SetInputFocus) return 0;
  char description[256];
  XGetErrorText(display, error->error_code, description, sizeof description);
  std::fprintf(stderr, "zorbel: X error: %s (request %d)\n", description, error->request_code);
  return 0;
}

// The window named for drawing, checked to exist; None for a window of the program's own.
Window ChosenWindow(Display* display, const SaverOptions& options) {
  Window window = None;
  if (options.target == DrawingTarget::kGivenWindow) {
    window = options.window_id;
  } else if (options.target == DrawingTarget::kRootWindow) {
    window = DefaultRootWindow(display);
    if (const char* host = std::getenv("XSCREENSAVER_WINDOW"); host != nullptr && host[0] != '\0') {
      const std::optional<unsigned long> id = ParseWindowId(host);
      if (!id) Stop(std::string("XSCREENSAVER_WINDOW names no window: \"") + host + "\"", 1);
      window = *id;
    }
  }
  if (window == None) return None;
  XWindowAttributes attributes;
  checking_window = true;
  const bool exists = XGetWindowAttributes(display, window, &attributes) != 0;
  checking_window = false;
  if (!exists) {
    char number[32];
    std::snprintf(number, sizeof number, "0x%lx", window);
    Stop(std::string("there is no window ") + number + " to draw on", 1);
  }
  watched_window = window;
  return window;
}

bool FileExists(const std::string& path) {
  struct stat info {};
  return stat(path.c_str(), &info) == 0;
}

}  // namespace

int main(int argc, char** argv) {
  const ParsedOptions parsed = ParseSaverOptions(std::vector<std::string>(argv + 1, argv + argc));
  switch (parsed.verdict) {
    case SaverCommand::kHelp: std::fputs(SaverUsage().c_str(), stdout); return 0;
    case SaverCommand::kVersion: std::printf("zorbel %s\n", kAppVersion); return 0;
    case SaverCommand::kRefused: std::fprintf(stderr, "%s\n", parsed.refusal.c_str()); return 2;
    case SaverCommand::kRun: break;
  }
  EndOnSignals();
  Display* display = XOpenDisplay(nullptr);
  if (display == nullptr) {
    const char* name = std::getenv("DISPLAY");
    Stop(std::string("cannot open the display \"") + (name != nullptr ? name : "") + "\"", 1);
  }
  XSetErrorHandler(ReportXError);
  const Window host_window = ChosenWindow(display, parsed.options);

  const EnvironmentLookup environment = [](const char* name) { return std::getenv(name); };
  std::map<std::string, std::string> own_files{
      {kSettingsFileName, SettingsFilePath(environment)},
      {kJokeDatabaseFileName, JokesFilePath(parsed.options.jokes_path, environment, FileExists)},
  };
  X11WindowSystem windows(display, host_window);
  X11Services services(windows, std::move(own_files));
  FailureNet failure_net(services);
  // The program is built inside the net: it may run out of memory before the first handler.
  failure_net.RunGuarded([&] {
    Program program(services, windows, failure_net);
    program.settings_override = parsed.options.settings;
    program.Main();
    windows.Run();
  });
  services.EndProgram(exit_status::kSucceeded);
}
