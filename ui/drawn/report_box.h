// The message box a drawn home shows in place of its forms when the program fails, as
// Windows draws a plain one: a white title bar and body with the icon of its kind and the
// text in the message face, a grey strip below with the OK button, centred on the window.
#pragma once

#include <functional>
#include <string>

#include "ui/drawn/canvas.h"
#include "ui/drawn/drawn_form.h"
#include "ui/services.h"

struct ReportBox {
  std::string title;
  std::string text;
  MessageBoxKind kind = MessageBoxKind::kPlain;  // for its icon
};

// Makes the form's controls the box laid out for its window at the design's size, and
// sets the form's scale so that the box fits the window with a margin, made smaller
// when it must, keeping its proportions.
void LayOutReportBox(DrawnForm& form, const ReportBox& report, TextMeasurer& text);

// The window the box shows in: the whole screen, black round the box.
FormDesign ReportWindowDesign(const std::string& title);

// Hears the box's window: a key or a mouse button going down there closes the box.
class ReportBoxSink : public FormEventSink {
 public:
  explicit ReportBoxSink(std::function<void()> closed) : closed_(std::move(closed)) {}
  void HandleEvent(const UiEvent& event) override;
  bool HandleDialogKey(int, Key, int) override { return false; }
  void HandleFocusArrived(int) override {}
  void HandleActivated() override {}

 private:
  std::function<void()> closed_;
};
