// The dialogs in the browser: the page's script builds each from its design as HTML controls
// and reports input back here, where it goes to the form's sink.
#pragma once

#include <map>

#include "ui/window_system.h"

class WebHtmlWindows : public WindowSystem {
 public:
  // Text is measured by `measurer`, as the canvas measures it, which is how the browser lays
  // out the dialogs' text too.
  explicit WebHtmlWindows(WindowSystem& measurer) : measurer_(measurer) {}

  FormHandle CreateForm(const FormDesign& design, FormEventSink& sink) override;
  void DestroyForm(FormHandle form) override;
  void ShowForm(FormHandle form) override;
  void ShowModal(FormHandle form, FormHandle owner) override;
  void SetFormCaption(FormHandle form, const std::string& caption) override;
  void SetFocus(FormHandle form, int control) override;
  TwipSize ClientSize(FormHandle form) override;
  void SetControlText(FormHandle form, int control, const std::string& text) override;
  void SetControlTextColor(FormHandle form, int control, const std::optional<Color>& color) override;
  void SetControlFont(FormHandle form, int control, const FontSpec& font) override;
  void SetControlAlignment(FormHandle form, int control, TextAlignment alignment) override;
  void SetControlBounds(FormHandle form, int control, const TwipRect& bounds) override;
  void SetControlVisible(FormHandle form, int control, bool visible) override;
  void SetControlChecked(FormHandle form, int control, bool checked) override;
  std::string ReadControlText(FormHandle form, int control) override;
  TwipSize MeasureText(const FontSpec& font, const std::string& text) override {
    return measurer_.MeasureText(font, text);
  }
  void SetTimer(FormHandle form, int control, int interval_ms) override;

  // The sink of a live form; none once it is destroyed, as input may still be on its way.
  FormEventSink* SinkOf(FormHandle form) const;

 private:
  WindowSystem& measurer_;
  std::map<FormHandle, FormEventSink*> sinks_;
  FormHandle next_handle_ = 1;
};
