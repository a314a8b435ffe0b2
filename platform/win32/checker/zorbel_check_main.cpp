// ZorbelCheck.exe: the joke-file checker as a Windows console program. Started by dropping
// a file on it, it has a console window of its own, which would close with the report
// unread; then it waits for a key first.
#include <windows.h>

#include <conio.h>

#include <cstdio>
#include <iostream>
#include <string>
#include <vector>

#include "checker/check_command.h"
#include "platform/win32/win32_services.h"

namespace {

// True when no other program shares this console, as when Explorer started us.
bool OwnConsoleWindow() {
  DWORD processes[2];
  return GetConsoleProcessList(processes, 2) == 1;
}

}  // namespace

int main(int argc, char** argv) {
  // A console writes each unbuffered character on its own, slowly enough to watch.
  std::setvbuf(stdout, nullptr, _IOFBF, 1 << 16);
  Win32Services services;
  const int status = RunCheckCommand(std::vector<std::string>(argv + 1, argv + argc), services, std::cout);
  std::cout.flush();
  if (OwnConsoleWindow()) {
    std::cout << "Press any key to close this window." << std::endl;
    _getch();
  }
  return status;
}
