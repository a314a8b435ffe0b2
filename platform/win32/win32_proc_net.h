// The last net of the window procedures: Windows cannot carry a C++ exception back through
// its own frames, so whatever a procedure lets escape becomes the run-time error box and
// the end of the program right there.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include "ui/failure_net.h"

// The program's one failure net, which the procedures share with the handlers they call: a
// failure escaping a procedure while the handlers' box is up shows no second box.
FailureNet& ProcFailureNet();

template <WNDPROC Procedure>
LRESULT CALLBACK Netted(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  try {
    return Procedure(window, message, wparam, lparam);
  } catch (...) {
    ProcFailureNet().EndOnEscapedException();
  }
  return 0;
}

template <SUBCLASSPROC Procedure>
LRESULT CALLBACK NettedSubclass(HWND window, UINT message, WPARAM wparam, LPARAM lparam,
                                UINT_PTR subclass, DWORD_PTR data) {
  try {
    return Procedure(window, message, wparam, lparam, subclass, data);
  } catch (...) {
    ProcFailureNet().EndOnEscapedException();
  }
  return 0;
}
