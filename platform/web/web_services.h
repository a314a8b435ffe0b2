// The process services in the browser: the mode the page chose, the program's own files in
// the browser's storage, the pointer hidden by style, addresses opened in new tabs and message
// boxes as modal dialogs of the page.
#pragma once

#include "ui/services.h"

class WebServices : public Services {
 public:
  // `argument_text`: the switch of the mode the visitor chose on the page.
  explicit WebServices(std::string argument_text) : argument_text_(std::move(argument_text)) {}

  std::string ArgumentText() override { return argument_text_; }
  // One page runs one program at a time, which the page itself sees to.
  bool AcquireSingleInstance() override { return true; }
  std::string ProgramDirectory() override { return ""; }
  // The program's own files are known to the page by their bare names.
  std::string OwnFilePath(const std::string& name) override;
  int ShowCursor(bool show) override;
  void OpenWithShell(const ShellRequest& request) override;
  std::string ReadFileBytes(const std::string& path, std::size_t max_bytes, ReadBound bound) override;
  std::string AnsiToUtf8(std::string_view bytes) override;
  std::string AnsiCodePageName() override { return "code page 1252"; }
  std::string FoldCase(std::string_view utf8) override;
  void ReplaceWholeFile(const std::string& path, std::string_view bytes) override;
  void ShowMessageBox(const std::string& title, const std::string& text, int style) override;
  void Diagnose(const std::string& line) override;
  double TimeOfDaySeconds() override;
  [[noreturn]] void EndProgram(int status) override;

 private:
  std::string argument_text_;
  int cursor_count_ = 0;
};
