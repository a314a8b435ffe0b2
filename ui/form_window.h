// The platform's window of one live form, owned like any other resource: created from the
// form's design, and destroyed once, when the form unloads or goes, or when the form's own
// construction fails after the window was made, so no window is left sending events to an
// object that is gone. A window the toolkit has destroyed already (a failure report takes
// the place of every form) is no error when the form goes.
#pragma once

#include "ui/window_system.h"

class FormWindow {
 public:
  FormWindow(WindowSystem& windows, const FormDesign& design, FormEventSink& sink)
      : windows_(windows), handle_(windows.CreateForm(design, sink)) {}
  ~FormWindow() {
    try {
      Destroy();
    } catch (...) {
      // Gone already, or past destroying: either way nothing of it is left to answer for,
      // and a destructor that threw would end the process on the spot.
    }
  }
  FormWindow(const FormWindow&) = delete;
  FormWindow& operator=(const FormWindow&) = delete;

  FormHandle handle() const { return handle_; }
  // Destroys the window now; it takes no further calls.
  void Destroy() {
    if (destroyed_) return;
    destroyed_ = true;
    windows_.DestroyForm(handle_);
  }

 private:
  WindowSystem& windows_;
  FormHandle handle_;
  bool destroyed_ = false;
};
