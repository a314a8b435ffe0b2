// The Windows entry point: reads the mode from the screen saver's switch, builds the
// Windows services and window toolkit, runs the program's start-up and then waits in the
// message loop until its last form is gone.
#include <windows.h>

#include "platform/win32/win32_services.h"
#include "platform/win32/win32_window_system.h"
#include "app/program.h"
#include "platform/win32/win32_wide_text.h"
#include "ui/command_line.h"
#include "ui/failure_net.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  Win32Services services;
  FailureNet failure_net(services);
  int exit_code = 0;
  // The toolkit and the program are built inside the net too: either may run out of
  // memory or be refused a window before the first handler runs.
  failure_net.RunGuarded([&] {
    Win32WindowSystem windows(failure_net);
    Program program(services, windows, failure_net);
    program.Main(ModeOfSwitch(ArgumentTextOf(Utf8Of(GetCommandLineW()))));
    exit_code = RunMessageLoop();
  });
  return exit_code;
}
