// The process services of a native program on a POSIX system: its own files where it is
// told (else beside the program), files through the POSIX calls, web pages handed to
// xdg-open, the clock, and the end of the process. The checker runs on them as they are;
// the Linux saver adds its window's pointer and report.
#pragma once

#include <map>
#include <string>

#include "ui/services.h"

class PosixServices : public Services {
 public:
  // `own_files`: the path of each of the program's own files; one not named is beside the
  // program. `opener`: the program given the addresses to open.
  explicit PosixServices(std::map<OwnFile, std::string> own_files = {}, std::string opener = "xdg-open");

  // A native program runs as many copies as it is started.
  bool AcquireSingleInstance() override { return true; }
  bool HasSetupScreen() override { return false; }
  // No window of its own, so no pointer to hide.
  void SetPointerHidden(bool) override {}
  // Hands the address to the opener, which is left to run; the system reaps it when it
  // ends. An opener that cannot be started is reported on stderr.
  void OpenAddress(const std::string& address) override;
  std::string OwnFilePlace(OwnFile file) override;
  void ReplaceOwnFile(OwnFile file, std::string_view bytes) override;
  std::string ReadFileBytes(const std::string& path, std::size_t max_bytes, ReadBound bound) override;
  std::string AnsiToUtf8(std::string_view bytes) override;
  std::string AnsiCodePageName() override { return "code page 1252"; }
  std::string FoldCase(std::string_view utf8) override;
  // The text on stderr.
  void ShowMessageBox(const std::string& title, const std::string& text, MessageBoxKind kind,
                      std::function<void()> closed = {}) override;
  double TimeOfDaySeconds() override;
  // At once, with the status the program gives.
  [[noreturn]] void EndProgram(int status) override;

 private:
  std::map<OwnFile, std::string> own_files_;
  std::string opener_;
};

// A write to a closed pipe fails with EPIPE instead of ending the process, so that a
// program whose reader has gone still ends with the status it meant.
void KeepStatusOnBrokenPipes();
