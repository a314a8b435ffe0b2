// The browser's forms: a form that covers the screen (the saver) is drawn on a canvas by the
// drawn toolkit; every other form (the dialogs) is built of HTML controls. Each call goes to
// the side that holds the form.
#pragma once

#include <map>

#include "platform/web/web_drawn_windows.h"
#include "platform/web/web_html_windows.h"

class WebWindowSystem : public WindowSystem {
 public:
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
  // Measured as the canvas measures, which is how the dialogs' browser lays text out too.
  TwipSize MeasureText(const FontSpec& font, const std::string& text) override;
  void SetTimer(FormHandle form, int control, int interval_ms) override;

  WebDrawnWindows& drawn() { return drawn_; }
  WebHtmlWindows& html() { return html_; }

 private:
  struct Route {
    WindowSystem* side;
    FormHandle handle;  // the form's handle on that side
  };
  const Route& RouteOf(FormHandle form) const { return routes_.at(form); }

  WebDrawnWindows drawn_;
  WebHtmlWindows html_{drawn_};
  std::map<FormHandle, Route> routes_;
  FormHandle next_handle_ = 1;
};
