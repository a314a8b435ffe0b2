// The Windows entry point: builds the Windows services and window toolkit, runs the
// program's start-up and then waits in the message loop until its last form is gone.
#include <windows.h>

#include "platform/win32/win32_services.h"
#include "platform/win32/win32_window_system.h"
#include "app/program.h"
#include "ui/handler_guard.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  Win32Services services;
  int exit_code = 0;
  // The toolkit and the program are built inside the net too: either may run out of
  // memory or be refused a window before the first handler runs.
  RunGuarded(services, [&] {
    Win32WindowSystem windows(services);
    Program program(services, windows);
    program.Main();
    exit_code = RunMessageLoop();
  });
  return exit_code;
}
