// The failure report on X11: every form gives way to the toolkit's report box, on the host's
// window or a whole-screen window of the program's own, served by the one loop like any form.
#include "platform/x11/x11_window_system.h"

#include <utility>

void X11WindowSystem::ShowReport(const std::string& title, const std::string& text, MessageBoxKind kind,
                                 std::function<void()> closed) {
  SetPointerHidden(false);
  ShowReportBox({title, text, kind}, std::move(closed));
}
