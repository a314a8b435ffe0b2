// The process services of the Linux saver: the saver's switch as its command line, files
// where the desktop keeps them, the pointer hidden over its own window, the failure report
// on stderr (where a saver host shows it), and the end of the process with its status.
#pragma once

#include <map>
#include <string>

#include "platform/posix/code_page_1252.h"
#include "platform/posix/letter_case.h"
#include "platform/x11/x11_window_system.h"
#include "ui/services.h"

class X11Services : public Services {
 public:
  // `own_files`: the path of each of the program's own files by the name the program asks
  // for ("\\Qorv.ini").
  X11Services(X11WindowSystem& windows, std::map<std::string, std::string> own_files);

  // The program runs only as the saver.
  std::string ArgumentText() override { return "/s"; }
  // A host runs one copy on each screen, and may start the next before the last has gone.
  bool AcquireSingleInstance() override { return true; }
  std::string ProgramDirectory() override;
  std::string OwnFilePath(const std::string& name) override;
  bool HasSetupScreen() override { return false; }
  int ShowCursor(bool show) override;
  void OpenWithShell(const ShellRequest& request) override;
  std::string ReadFileStart(const std::string& path, std::size_t max_bytes) override;
  void ReplaceWholeFile(const std::string& path, std::string_view bytes) override;
  std::string AnsiToUtf8(std::string_view bytes) override { return Cp1252ToUtf8(bytes); }
  std::string AnsiCodePageName() override { return "code page 1252"; }
  std::string FoldCase(std::string_view utf8) override { return FoldCaseUtf8(utf8); }
  void ShowMessageBox(const std::string& title, const std::string& text, int style) override;
  double TimeOfDaySeconds() override;
  // At once, with the status the program gives.
  [[noreturn]] void EndProgram(int status) override;

 private:
  X11WindowSystem& windows_;
  std::map<std::string, std::string> own_files_;
  int cursor_count_ = 0;
};
