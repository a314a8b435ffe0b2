// The process services in the browser: the program's own files in the browser's storage,
// the pointer hidden by style, addresses opened in new tabs and message boxes as modal
// dialogs of the page, which return at once and go on when the visitor closes them.
#pragma once

#include <map>

#include "ui/services.h"

class WebServices : public Services {
 public:
  // One page runs one program at a time, which the page itself sees to.
  bool AcquireSingleInstance() override { return true; }
  void SetPointerHidden(bool hidden) override;
  void OpenAddress(const std::string& address) override;
  // The program's own files are known to the page by their bare names.
  std::string OwnFilePlace(OwnFile file) override;
  void ReplaceOwnFile(OwnFile file, std::string_view bytes) override;
  std::string ReadFileBytes(const std::string& path, std::size_t max_bytes, ReadBound bound) override;
  std::string AnsiToUtf8(std::string_view bytes) override;
  std::string AnsiCodePageName() override { return "code page 1252"; }
  std::string FoldCase(std::string_view utf8) override;
  void ShowMessageBox(const std::string& title, const std::string& text, MessageBoxKind kind,
                      std::function<void()> closed = {}) override;
  // The page's box `box` was closed: what was to follow it runs now.
  void MessageBoxClosed(int box);
  void Diagnose(const std::string& line) override;
  double TimeOfDaySeconds() override;
  [[noreturn]] void EndProgram(int status) override;

 private:
  int next_box_ = 1;
  std::map<int, std::function<void()>> waiting_for_boxes_;
};
