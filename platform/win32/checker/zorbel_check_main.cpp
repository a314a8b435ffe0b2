// ZorbelCheck.exe: the joke-file checker as a Windows console program. It takes its file
// names wide, so any name opens, and passes them on as UTF-8 like every path. Started by
// dropping a file on it, it has a console window of its own, which would close with the
// report unread; then it waits for a key first.
#include <windows.h>

#include <conio.h>
#include <shellapi.h>

#include <cstdio>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

#include "checker/check_command.h"
#include "platform/win32/checker/console_text.h"
#include "platform/win32/win32_paths.h"
#include "platform/win32/win32_services.h"

namespace {

// True when no other program shares this console, as when Explorer started us.
bool OwnConsoleWindow() {
  DWORD processes[2];
  return GetConsoleProcessList(processes, 2) == 1;
}

std::vector<std::string> FileNamesOnCommandLine() {
  int count = 0;
  wchar_t** arguments = CommandLineToArgvW(GetCommandLineW(), &count);
  std::vector<std::string> names;
  for (int i = 1; arguments != nullptr && i < count; ++i) names.push_back(Utf8Of(arguments[i]));
  LocalFree(arguments);
  return names;
}

// A console shows the report's letters, names in any script included; a file or a pipe
// gets its bytes as they are. False when the report could not be written whole.
bool Write(const std::string& report) {
  HANDLE out = GetStdHandle(STD_OUTPUT_HANDLE);
  DWORD mode = 0;
  if (!GetConsoleMode(out, &mode)) {
    std::cout << report;
    std::cout.flush();
    return static_cast<bool>(std::cout);
  }
  const std::wstring shown = ConsoleText(report);
  DWORD written = 0;
  return WriteConsoleW(out, shown.data(), static_cast<DWORD>(shown.size()), &written, nullptr) &&
         written == shown.size();
}

}  // namespace

int main() {
  Win32Services services;
  std::ostringstream report;
  const int verdict = RunCheckCommand(FileNamesOnCommandLine(), services, report);
  const int status = Write(report.str()) ? verdict : kReportNotWritten;
  if (OwnConsoleWindow()) {
    std::cout << "Press any key to close this window." << std::endl;
    _getch();
  }
  return status;
}
