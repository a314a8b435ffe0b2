// The failure report on X11: every form gives way to the toolkit's report box, on the host's
// window or a whole-screen window of the program's own, which a key or a click there closes.
#include "platform/x11/x11_window_system.h"
#include "ui/design_builders.h"

class X11WindowSystem::ReportSink : public FormEventSink {
 public:
  explicit ReportSink(bool& running) : running_(running) {}
  void HandleEvent(const UiEvent& event) override {
    if (event.kind == EventKind::kKeyDown || event.kind == EventKind::kMouseDown) running_ = false;
  }
  bool HandleDialogKey(int, int, int) override { return false; }
  void HandleFocusArrived(int) override {}
  void HandleActivated() override {}

 private:
  bool& running_;
};

void X11WindowSystem::ShowReport(const std::string& title, const std::string& text, MessageBoxKind kind) {
  DestroyAllForms();
  SetPointerHidden(false);
  report_ = ReportBox{title, text, kind};
  running_ = true;
  ReportSink sink(running_);
  FormDesign window = design::Window("Report", title, 0, 0, BorderStyle::kNone);
  window.maximized = true;
  window.back_color = design::kBlack;
  const FormHandle handle = CreateForm(window, sink);
  LayOutReportBox(FormAt(handle), *report_, fonts_);
  ShowForm(handle);
  Run();
}
