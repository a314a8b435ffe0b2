// The Linux saver's entry point: hands the command line to the core's option table, opens
// the display, checks the window to draw on, builds the X11 toolkit and services, runs the
// program's saver start-up and then serves its window until a key, a click, a move,
// SIGTERM, SIGINT or the window's end.
#include <X11/Xlib.h>

#include <cstdio>
#include <cstdlib>
#include <map>
#include <string>
#include <vector>

#include "app/program.h"
#include "platform/posix/command_output.h"
#include "platform/posix/data_paths.h"
#include "platform/x11/x11_fonts.h"
#include "platform/x11/x11_process_end.h"
#include "platform/x11/x11_services.h"
#include "platform/x11/x11_window_system.h"
#include "startup/saver_options.h"
#include "startup/shown_text.h"
#include "ui/failure_net.h"

namespace {

[[noreturn]] void Stop(const std::string& line, int status) {
  WriteDiagnostic("zorbel", line);
  std::exit(status);
}

std::string WindowNumber(Window window) {
  char number[32];
  std::snprintf(number, sizeof number, "0x%lx", window);
  return number;
}

// The window named for drawing, checked to be one that can be drawn on; None for a window
// of the program's own.
Window ChosenWindow(Display* display, X11ProcessEnd& end, const SaverOptions& options) {
  Window window = None;
  if (options.target == DrawingTarget::kGivenWindow) {
    window = options.window_id;
  } else if (options.target == DrawingTarget::kRootWindow) {
    window = options.window_id != 0 ? options.window_id : DefaultRootWindow(display);
  }
  if (window == None) return None;
  switch (end.Check(window)) {
    case X11ProcessEnd::WindowUse::kMissing: Stop("there is no window " + WindowNumber(window) + " to draw on", 1);
    case X11ProcessEnd::WindowUse::kInputOnly:
      Stop("the window " + WindowNumber(window) + " takes input only and cannot be drawn on", 1);
    case X11ProcessEnd::WindowUse::kDrawable: break;
  }
  end.Watch(window);
  return window;
}

// The program runs only as the saver. A window named by its number is how a host gives a
// preview pane; the saver runs there as on the screen, made smaller to fit.
ProgramMode ModeOf(const SaverOptions& options) {
  return options.target == DrawingTarget::kGivenWindow ? ProgramMode::kPreview : ProgramMode::kSave;
}

}  // namespace

int main(int argc, char** argv) {
  KeepStatusOnBrokenPipes();
  const ParsedOptions parsed =
      ParseSaverOptions(std::vector<std::string>(argv + 1, argv + argc), std::getenv("XSCREENSAVER_WINDOW"));
  switch (parsed.verdict) {
    case SaverCommand::kHelp: return PrintedOnStdout("zorbel", SaverUsage());
    case SaverCommand::kVersion: return PrintedOnStdout("zorbel", std::string("zorbel ") + kAppVersion + "\n");
    case SaverCommand::kRefused: std::fputs(ShownLines(parsed.refusal).c_str(), stderr); return 2;
    case SaverCommand::kRun: break;
  }
  Display* display = XOpenDisplay(nullptr);
  if (display == nullptr) {
    const char* name = std::getenv("DISPLAY");
    Stop("cannot open the display " + Quoted(name != nullptr ? name : ""), 1);
  }
  X11ProcessEnd end(display);
  const Window host_window = ChosenWindow(display, end, parsed.options);
  // After the window's checks: a refusal there leaves nothing of the font library held.
  if (!AnyFontInstalled()) Stop("no font to draw with: install the package " ZORBEL_FONT_PACKAGE, 1);

  const EnvironmentLookup environment = [](const char* name) { return std::getenv(name); };
  std::map<OwnFile, std::string> own_files{
      {OwnFile::kSettings, SettingsFilePath(environment)},
      {OwnFile::kJokes, JokesFilePath(parsed.options.jokes_path, environment)},
  };
  X11WindowSystem windows(display, host_window);
  X11Services services(windows, end, std::move(own_files));
  FailureNet failure_net(services);
  // The program is built inside the net: it may run out of memory before the first handler.
  failure_net.RunGuarded([&] {
    Program program(services, windows, failure_net);
    program.settings_override = parsed.options.settings;
    program.Main(ModeOf(parsed.options));
    windows.Run();
  });
  services.EndProgram(exit_status::kSucceeded);
}
