// The process services of the Linux saver: the native ones, with the pointer hidden over
// its own window, and the failure report on stderr and on its window.
#pragma once

#include <map>
#include <string>

#include "platform/posix/posix_services.h"
#include "platform/x11/x11_process_end.h"
#include "platform/x11/x11_window_system.h"

class X11Services : public PosixServices {
 public:
  X11Services(X11WindowSystem& windows, X11ProcessEnd& end, std::map<OwnFile, std::string> own_files);

  void SetPointerHidden(bool hidden) override;
  // The saver shows a message only when it fails, and then ends: the text goes to stderr
  // and is drawn on the saver's window, where it stays until the host ends the saver or,
  // in a window of the saver's own, a key or a click closes it. Returns at once; `closed`
  // runs when the box closes.
  void ShowMessageBox(const std::string& title, const std::string& text, MessageBoxKind kind,
                      std::function<void()> closed = {}) override;
  // On stderr, after the program's name.
  void Diagnose(const std::string& line) override;

 private:
  X11WindowSystem& windows_;
  X11ProcessEnd& end_;
};
