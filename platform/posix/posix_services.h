// The process services of a native program on a POSIX system: its own folder from /proc,
// files through the POSIX calls, web pages handed to xdg-open, the clock, and the end of
// the process. The checker runs on them as they are; the Linux saver adds its window's
// cursor and report.
#pragma once

#include <map>
#include <string>

#include "ui/services.h"

class PosixServices : public Services {
 public:
  // `own_files`: the path of each of the program's own files by the name the program asks
  // for ("\\Qorv.ini"); others are beside the program. `opener`: the program given the
  // addresses to open.
  explicit PosixServices(std::map<std::string, std::string> own_files = {}, std::string opener = "xdg-open");

  // A native program has no mode switch, and runs as many copies as it is started.
  std::string ArgumentText() override { return ""; }
  bool AcquireSingleInstance() override { return true; }
  std::string ProgramDirectory() override;
  std::string OwnFilePath(const std::string& name) override;
  bool HasSetupScreen() override { return false; }
  // No pointer of its own: only the count is kept.
  int ShowCursor(bool show) override;
  // Started and left to run; the system reaps it when it ends. A program that cannot be
  // started is reported on stderr.
  void OpenWithShell(const ShellRequest& request) override;
  std::string ReadFileBytes(const std::string& path, std::size_t max_bytes, ReadBound bound) override;
  void ReplaceWholeFile(const std::string& path, std::string_view bytes) override;
  std::string AnsiToUtf8(std::string_view bytes) override;
  std::string AnsiCodePageName() override { return "code page 1252"; }
  std::string FoldCase(std::string_view utf8) override;
  // The text on stderr.
  void ShowMessageBox(const std::string& title, const std::string& text, int style) override;
  double TimeOfDaySeconds() override;
  // At once, with the status the program gives.
  [[noreturn]] void EndProgram(int status) override;

 private:
  std::map<std::string, std::string> own_files_;
  std::string opener_;
  int cursor_count_ = 0;
};

// A write to a closed pipe fails with EPIPE instead of ending the process, so that a
// program whose reader has gone still ends with the status it meant.
void KeepStatusOnBrokenPipes();
