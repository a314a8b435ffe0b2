// The Windows entry point: builds the Windows services and window toolkit, runs the
// program's start-up and then waits in the message loop until its last form is gone.
#include <windows.h>

#include "platform/win32/win32_services.h"
#include "platform/win32/win32_window_system.h"
#include "app/program.h"
#include "ui/handler_guard.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  Win32Services services;
  Win32WindowSystem windows;
  Program program(services, windows);
  RunGuarded(services, [&] { program.Main(); });
  return RunMessageLoop();
}
