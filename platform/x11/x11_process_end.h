// How the saver's process is ended from outside: the host's SIGTERM (or SIGINT), and the
// host's window going. Either ends it at once, with status 0 while the saver shows and 1
// once it shows a failure report. Refusals of the X server are reported on stderr.
#pragma once

#include <X11/Xlib.h>

class X11ProcessEnd {
 public:
  // Installs the signal handlers and the X error handler for `display`.
  explicit X11ProcessEnd(Display* display);
  ~X11ProcessEnd();
  X11ProcessEnd(const X11ProcessEnd&) = delete;
  X11ProcessEnd& operator=(const X11ProcessEnd&) = delete;

  // The status the signals and the watched window's end give from now on.
  void SetStatus(int status);

  enum class WindowUse { kDrawable, kMissing, kInputOnly };
  // Whether `window` exists and can be drawn on; the server's refusal while asking is the
  // answer, not an error to report.
  WindowUse Check(Window window);

  // The window drawn on for the host: its end ends the program.
  void Watch(Window window) { watched_ = window; }

 private:
  static int HandleError(Display* display, XErrorEvent* error);

  Display* display_;
  XErrorHandler previous_handler_;
  int status_ = 0;
  Window watched_ = None;
  bool checking_ = false;
};
