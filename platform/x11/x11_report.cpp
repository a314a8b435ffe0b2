// The failure report on X11: every form gives way to the toolkit's report box, on the host's
// window or a whole-screen window of the program's own, which a key or a click there closes.
#include "platform/x11/x11_window_system.h"

void X11WindowSystem::ShowReport(const std::string& title, const std::string& text, MessageBoxKind kind) {
  SetPointerHidden(false);
  running_ = true;
  ReportBoxSink sink([this] { running_ = false; });
  ShowReportBox({title, text, kind}, sink);
  Run();
}
