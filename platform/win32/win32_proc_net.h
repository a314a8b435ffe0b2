// The last net of the window procedures: Windows cannot carry a C++ exception back through
// its own frames, so whatever a procedure lets escape becomes the run-time error box and
// the end of the program right there. It is the program's one failure net, which the form
// the window serves carries: a failure escaping a procedure while the handlers' box is up
// shows no second box.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include "platform/win32/win32_live_form.h"
#include "ui/failure_net.h"

// For a window of the toolkit's own classes, which keep their form from their creation on.
// A window that has no form yet ran no handler of ours; the process then ends with the
// failed status and no box.
void EndOnEscapedExceptionIn(HWND window);

template <WNDPROC Procedure>
LRESULT CALLBACK Netted(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  try {
    return Procedure(window, message, wparam, lparam);
  } catch (...) {
    EndOnEscapedExceptionIn(window);
  }
  return 0;
}

// For a subclassed control, which carries its form as the subclass data.
template <SUBCLASSPROC Procedure>
LRESULT CALLBACK NettedSubclass(HWND window, UINT message, WPARAM wparam, LPARAM lparam,
                                UINT_PTR subclass, DWORD_PTR data) {
  try {
    return Procedure(window, message, wparam, lparam, subclass, data);
  } catch (...) {
    reinterpret_cast<Win32Form*>(data)->failure_net->EndOnEscapedException();
  }
  return 0;
}
