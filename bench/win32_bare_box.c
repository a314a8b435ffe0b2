/* The floor Zorbel.scr's start in configuration mode is measured against: a bare Win32
 * program, linked the same way, whose first and only window is a message box, as the beta
 * notice is the first window of the setup. */
#include <windows.h>

int WINAPI WinMain(HINSTANCE instance, HINSTANCE previous, LPSTR command_line, int show) {
  (void)instance;
  (void)previous;
  (void)command_line;
  (void)show;
  MessageBoxW(NULL, L"A bare program's first window.", L"Bare box", MB_OK | MB_ICONINFORMATION);
  return 0;
}
