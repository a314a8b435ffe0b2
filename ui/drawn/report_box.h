// The message box a drawn home shows in place of its forms when the program fails, as
// Windows draws a plain one: a white title bar and body with the icon of its kind and the
// text in the message face, a grey strip below with the OK button, centred on the window.
#pragma once

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
