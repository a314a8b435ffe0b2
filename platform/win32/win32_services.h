// The process services on Windows: a named mutex as instance lock, ShowCursor,
// ShellExecuteW, the program's own files beside it, files by wide paths, MessageBoxW and the
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

  bool AcquireSingleInstance() override;
  // One ShowCursor call each way: Windows keeps a display count, which the program leaves
  // as it found it.
  void SetPointerHidden(bool hidden) override;
  // ShellExecute's "Open" on the address, from the program's folder.
  void OpenAddress(const std::string& address) override;
  // Beside the program.
  std::string OwnFilePlace(OwnFile file) override;
  void ReplaceOwnFile(OwnFile file, std::string_view bytes) override;
  std::string ReadFileBytes(const std::string& path, std::size_t max_bytes, ReadBound bound) override;
  // In win32_code_page.cpp.
  std::string AnsiToUtf8(std::string_view bytes) override;
  std::string AnsiCodePageName() override;
  std::string FoldCase(std::string_view utf8) override;
  // MessageBoxW, which returns once the user has closed the box.
  void ShowMessageBox(const std::string& title, const std::string& text, MessageBoxKind kind,
                      std::function<void()> closed = {}) override;
  double TimeOfDaySeconds() override;
  [[noreturn]] void EndProgram(int status) override;

 private:
  HANDLE instance_mutex_ = nullptr;
  bool pointer_hidden_ = false;
};
