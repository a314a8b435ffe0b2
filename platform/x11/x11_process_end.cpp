// Signals and X errors. Xlib calls its error handler with the display alone: the handler
// finds the object it serves through a context kept on the display's root window.
#include "platform/x11/x11_process_end.h"

#include <X11/Xproto.h>
#include <X11/Xresource.h>
#include <X11/Xutil.h>
#include <signal.h>
#include <unistd.h>

#include <cstdio>

#include "ui/services.h"

namespace {

XContext ContextOfProcessEnd() { return XStringToContext("zorbel-process-end"); }

void EndSucceeded(int) { _exit(exit_status::kSucceeded); }
void EndFailed(int) { _exit(exit_status::kFailed); }

void EndOnSignals(void (*end)(int)) {
  struct sigaction action {};
  action.sa_handler = end;
  sigemptyset(&action.sa_mask);
  sigaction(SIGTERM, &action, nullptr);
  sigaction(SIGINT, &action, nullptr);
}

}  // namespace

X11ProcessEnd::X11ProcessEnd(Display* display) : display_(display) {
  EndOnSignals(EndSucceeded);
  XSaveContext(display_, DefaultRootWindow(display_), ContextOfProcessEnd(), reinterpret_cast<XPointer>(this));
  previous_handler_ = XSetErrorHandler(HandleError);
}

X11ProcessEnd::~X11ProcessEnd() {
  XSetErrorHandler(previous_handler_);
  XDeleteContext(display_, DefaultRootWindow(display_), ContextOfProcessEnd());
}

void X11ProcessEnd::SetStatus(int status) {
  status_ = status;
  EndOnSignals(status == exit_status::kSucceeded ? EndSucceeded : EndFailed);
}

X11ProcessEnd::WindowUse X11ProcessEnd::Check(Window window) {
  XWindowAttributes attributes;
  checking_ = true;
  const bool exists = XGetWindowAttributes(display_, window, &attributes) != 0;
  checking_ = false;
  if (!exists) return WindowUse::kMissing;
  return attributes.c_class == InputOnly ? WindowUse::kInputOnly : WindowUse::kDrawable;
}

// A window the host gave that has gone leaves nothing to draw on: the program ends as the
// host would have it end. A window manager may refuse the keyboard to a window it has not
// yet shown, which is no failure. Any other refusal is reported and passed over.
int X11ProcessEnd::HandleError(Display* display, XErrorEvent* error) {
  XPointer found = nullptr;
  if (XFindContext(display, DefaultRootWindow(display), ContextOfProcessEnd(), &found) != 0) return 0;
  const X11ProcessEnd& end = *reinterpret_cast<X11ProcessEnd*>(found);
  if ((error->error_code == BadWindow || error->error_code == BadDrawable) && error->resourceid == end.watched_ &&
      end.watched_ != None) {
    _exit(end.status_);
  }
  if (end.checking_ || error->request_code == X_SetInputFocus) return 0;
  char description[256];
  XGetErrorText(display, error->error_code, description, sizeof description);
  std::fprintf(stderr, "zorbel: X error: %s (request %d)\n", description, error->request_code);
  return 0;
}
