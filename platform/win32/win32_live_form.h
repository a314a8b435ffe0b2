// What the Win32 toolkit keeps for one live form: its window, its sink, the windows of its
// controls with the colours they are painted in, the covers over the other monitors and
// the last pointer position, so that only real moves count.
#pragma once

#include <windows.h>

#include <optional>
#include <vector>

#include "platform/win32/win32_gdi.h"
#include "ui/failure_net.h"
#include "ui/window_system.h"

// Child-window ids of controls: the design index plus this, clear of the dialog manager's
// IDOK and IDCANCEL.
inline constexpr int kFirstControlId = 100;

struct Win32Control {
  ControlKind kind = ControlKind::kLabel;
  HWND window = nullptr;  // none for timers and for kinds not built as windows
  int container = UiEvent::kFormItself;  // the index of the picture box or frame holding it
  std::optional<Color> text_color;
  std::optional<Color> back_color;
  bool transparent = false;
};

struct Win32Form {
  FormEventSink* sink = nullptr;  // cleared before the window goes, so no event follows
  GdiCache* gdi = nullptr;
  FailureNet* failure_net = nullptr;  // the program's: a failure escaping a procedure ends there
  HWND window = nullptr;
  std::optional<Color> back_color;  // none: the system's window colour
  FormRole role;
  HWND modal_owner = nullptr;  // the window this one disables while it is open
  HWND tooltips = nullptr;
  int cancel_control = -1;     // the button Escape presses
  std::vector<Win32Control> controls;  // one for each control of the design, by index
  std::vector<HWND> covers;
  POINT last_pointer{};  // in screen pixels
  bool releasing_capture = false;  // true while a release gives the mouse back itself
};


// Hands an event to the form's sink, unless the form is going.
inline void Deliver(Win32Form& form, const UiEvent& event) {
  if (form.sink != nullptr) form.sink->HandleEvent(event);
}
