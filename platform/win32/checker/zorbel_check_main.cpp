// ZorbelCheck.exe: the joke-file checker as a Windows console program. It takes its file
// names wide, so any name opens, and passes them on as UTF-8 like every path. Its report,
// UTF-8 like all the program's text, reaches a console wide, so that names and jokes in
// any script show as written, and a file or a pipe as UTF-8 bytes: the one encoding that
// holds every letter, which Notepad and other editors open as written, and the same bytes
// the Linux checker writes. Started by dropping a file on it, it has a console window of
// its own, which would close with the report unread; then it waits for a key first.
#include <windows.h>

#include <conio.h>
#include <shellapi.h>

#include <algorithm>
#include <iostream>
#include <string>
#include <vector>

#include "app/program.h"
#include "checker/check_command.h"
#include "platform/win32/win32_services.h"
#include "platform/win32/win32_wide_text.h"

namespace {

// True when no other program shares this console, as when Explorer started us.
bool OwnConsoleWindow() {
  DWORD processes[2];
  return GetConsoleProcessList(processes, 2) == 1;
}

std::vector<std::string> ArgumentsOnCommandLine() {
  int count = 0;
  wchar_t** arguments = CommandLineToArgvW(GetCommandLineW(), &count);
  std::vector<std::string> names;
  for (int i = 1; arguments != nullptr && i < count; ++i) names.push_back(Utf8Of(arguments[i]));
  LocalFree(arguments);
  return names;
}

// Written in pieces that older consoles take whole, none ending inside a surrogate pair.
bool WriteToConsole(HANDLE console, const std::wstring& text) {
  constexpr std::size_t kPiece = 8192;
  for (std::size_t at = 0; at < text.size();) {
    std::size_t length = std::min(kPiece, text.size() - at);
    if (at + length < text.size() && IS_HIGH_SURROGATE(text[at + length - 1])) --length;
    DWORD written = 0;
    if (!WriteConsoleW(console, text.data() + at, static_cast<DWORD>(length), &written, nullptr) ||
        written == 0) {
      return false;
    }
    at += written;
  }
  return true;
}

// False when the text could not be written whole: to a console wide, else as UTF-8 bytes.
bool Write(DWORD standard_handle, const std::string& text, std::ostream& stream) {
  HANDLE handle = GetStdHandle(standard_handle);
  DWORD mode = 0;
  if (GetConsoleMode(handle, &mode)) return WriteToConsole(handle, WideOf(text));
  stream << text;
  stream.flush();
  return static_cast<bool>(stream);
}

}  // namespace

int main() {
  Win32Services services;
  const CheckerHome home{"ZorbelCheck", kAppVersion, "the jokes.txt beside it", "README.txt beside it tells more."};
  CheckerText output;
  const int verdict = RunCheckCommand(ArgumentsOnCommandLine(), home, services, output);
  const bool written = Write(STD_OUTPUT_HANDLE, output.report, std::cout);
  Write(STD_ERROR_HANDLE, output.trouble, std::cerr);
  const int status = written ? verdict : std::max(verdict, kReportNotWritten);
  if (OwnConsoleWindow()) {
    std::cout << "Press any key to close this window." << std::endl;
    _getch();
  }
  return status;
}
