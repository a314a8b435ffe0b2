// The process services on Windows: the command line, a named mutex as instance lock, the
// module's folder, ShowCursor, ShellExecuteW, files by wide paths, MessageBoxW and the
// local time. Paths and texts are UTF-8 here, as above the backend.
#pragma once

#include <windows.h>

#include "ui/services.h"

class Win32Services : public Services {
 public:
  Win32Services() = default;
  Win32Services(const Win32Services&) = delete;
  Win32Services& operator=(const Win32Services&) = delete;
  ~Win32Services() override;

  std::string ArgumentText() override;
  bool AcquireSingleInstance() override;
  std::string ProgramDirectory() override;
  int ShowCursor(bool show) override;
  void OpenWithShell(const ShellRequest& request) override;
  std::string ReadFileBytes(const std::string& path, std::size_t max_bytes, ReadBound bound) override;
  void ReplaceWholeFile(const std::string& path, std::string_view bytes) override;
  // In win32_code_page.cpp.
  std::string AnsiToUtf8(std::string_view bytes) override;
  std::string AnsiCodePageName() override;
  std::string FoldCase(std::string_view utf8) override;
  void ShowMessageBox(const std::string& title, const std::string& text, int style) override;
  double TimeOfDaySeconds() override;
  [[noreturn]] void EndProgram(int status) override;

 private:
  HANDLE instance_mutex_ = nullptr;
};
