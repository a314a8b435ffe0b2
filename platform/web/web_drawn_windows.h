// The forms the page draws itself (the saver's whole-screen window): the drawn toolkit over
// a canvas of the page's, its timers run by one timeout of the page's at a time, no
// animation loop, and its input handed in by the page.
#pragma once

#include "platform/web/web_canvas.h"
#include "ui/drawn/drawn_window_system.h"

class WebDrawnWindows : public DrawnWindowSystem {
 public:
  // CSS pixels are 96 to the inch.
  WebDrawnWindows() : DrawnWindowSystem(96) {}
  ~WebDrawnWindows() override { DestroyAllForms(); }

  // After every timeout and every input: the timers due, the changed forms painted, and one
  // timeout armed for the next timer.
  void Settle();

 protected:
  void OpenWindow(FormHandle handle, const FormDesign& design, DrawnForm& form) override;
  void CloseWindow(FormHandle handle) noexcept override;
  void ShowWindow(FormHandle handle, DrawnForm& form) override;
  void NameWindow(FormHandle, const std::string&) override {}
  void PaintWindow(FormHandle handle, DrawnForm& form) override;
  long long NowMs() override;
  TextMeasurer& text() override { return text_; }

 private:
  WebTextMeasurer text_;
};
