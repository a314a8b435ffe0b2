// The Windows entry point: builds the Windows services and runs the program.
#include <windows.h>

#include "platform/win32/win32_services.h"
#include "startup/program.h"
#include "ui/handler_guard.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  Win32Services services;
  Program program(services);
  RunGuarded(services, [&] { program.Main(); });
  return 0;
}
