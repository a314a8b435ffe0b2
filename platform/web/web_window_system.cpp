// Routes each form call to the canvas side or the HTML side.
#include "platform/web/web_window_system.h"

FormHandle WebWindowSystem::CreateForm(const FormDesign& design, FormEventSink& sink) {
  WindowSystem& side = design.maximized ? static_cast<WindowSystem&>(drawn_) : html_;
  const FormHandle handle = side.CreateForm(design, sink);
  routes_[next_handle_] = Route{&side, handle};
  return next_handle_++;
}

void WebWindowSystem::DestroyForm(FormHandle form) {
  const auto found = routes_.find(form);
  if (found == routes_.end()) return;
  const Route route = found->second;
  routes_.erase(found);
  route.side->DestroyForm(route.handle);
}

void WebWindowSystem::ShowForm(FormHandle form) { RouteOf(form).side->ShowForm(RouteOf(form).handle); }

void WebWindowSystem::ShowModal(FormHandle form, FormHandle owner) {
  RouteOf(form).side->ShowModal(RouteOf(form).handle, RouteOf(owner).handle);
}

void WebWindowSystem::SetFormCaption(FormHandle form, const std::string& caption) {
  RouteOf(form).side->SetFormCaption(RouteOf(form).handle, caption);
}

void WebWindowSystem::SetFocus(FormHandle form, int control) {
  RouteOf(form).side->SetFocus(RouteOf(form).handle, control);
}

TwipSize WebWindowSystem::ClientSize(FormHandle form) { return RouteOf(form).side->ClientSize(RouteOf(form).handle); }

void WebWindowSystem::SetControlText(FormHandle form, int control, const std::string& text) {
  RouteOf(form).side->SetControlText(RouteOf(form).handle, control, text);
}

void WebWindowSystem::SetControlTextColor(FormHandle form, int control, const std::optional<Color>& color) {
  RouteOf(form).side->SetControlTextColor(RouteOf(form).handle, control, color);
}

void WebWindowSystem::SetControlFont(FormHandle form, int control, const FontSpec& font) {
  RouteOf(form).side->SetControlFont(RouteOf(form).handle, control, font);
}

void WebWindowSystem::SetControlAlignment(FormHandle form, int control, TextAlignment alignment) {
  RouteOf(form).side->SetControlAlignment(RouteOf(form).handle, control, alignment);
}

void WebWindowSystem::SetControlBounds(FormHandle form, int control, const TwipRect& bounds) {
  RouteOf(form).side->SetControlBounds(RouteOf(form).handle, control, bounds);
}

void WebWindowSystem::SetControlVisible(FormHandle form, int control, bool visible) {
  RouteOf(form).side->SetControlVisible(RouteOf(form).handle, control, visible);
}

void WebWindowSystem::SetControlChecked(FormHandle form, int control, bool checked) {
  RouteOf(form).side->SetControlChecked(RouteOf(form).handle, control, checked);
}

std::string WebWindowSystem::ReadControlText(FormHandle form, int control) {
  return RouteOf(form).side->ReadControlText(RouteOf(form).handle, control);
}

TwipSize WebWindowSystem::MeasureText(const FontSpec& font, const std::string& text) {
  return drawn_.MeasureText(font, text);
}

void WebWindowSystem::SetTimer(FormHandle form, int control, int interval_ms) {
  RouteOf(form).side->SetTimer(RouteOf(form).handle, control, interval_ms);
}
