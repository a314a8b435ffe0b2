// Live controls: state kept here, every change handed to the platform.
#include "ui/controls.h"

#include "ui/timer_interval.h"

Control::Control(WindowSystem& windows, FormHandle form, int index, const ControlDesign& design)
    : windows_(windows), form_(form), index_(index), name_(design.name), visible_(design.visible),
      bounds_(design.bounds) {}

void Control::SetVisible(bool visible) {
  visible_ = visible;
  windows_.SetControlVisible(form_, index_, visible);
}

void Control::SetLeft(int left) { SetBounds({left, bounds_.top, bounds_.width, bounds_.height}); }

void Control::SetTop(int top) { SetBounds({bounds_.left, top, bounds_.width, bounds_.height}); }

void Control::SetBounds(const TwipRect& bounds) {
  if (bounds == bounds_) return;
  bounds_ = bounds;
  windows_.SetControlBounds(form_, index_, bounds);
}

Label::Label(WindowSystem& windows, FormHandle form, int index, const ControlDesign& design)
    : Control(windows, form, index, design), text_(design.caption),
      text_color_(design.text_color), font_(design.font), alignment_(design.alignment),
      auto_size_(design.auto_size) {
  FitToText();
}

void Label::SetText(std::string_view text) {
  text_.assign(text);
  windows_.SetControlText(form_, index_, text_);
  FitToText();
}

void Label::SetTextColor(const Color& color) {
  text_color_ = color;
  windows_.SetControlTextColor(form_, index_, color);
}

void Label::SetFont(const FontSpec& font) {
  font_ = font;
  windows_.SetControlFont(form_, index_, font_);
  FitToText();
}

void Label::SetTextAndFont(std::string_view text, const FontSpec& font) {
  text_.assign(text);
  font_ = font;
  windows_.SetControlText(form_, index_, text_);
  windows_.SetControlFont(form_, index_, font_);
  FitToText();
}

void Label::SetAlignment(TextAlignment alignment) {
  alignment_ = alignment;
  windows_.SetControlAlignment(form_, index_, alignment);
}

void Label::FitToText() {
  if (!auto_size_) return;
  const TwipSize size = windows_.MeasureText(font_, text_);
  SetBounds({left(), top(), size.width, size.height});
}

Timer::Timer(WindowSystem& windows, FormHandle form, int index, const ControlDesign& design)
    : Control(windows, form, index, design), enabled_(design.enabled),
      interval_(design.interval_ms) {
  Restart();
}

void Timer::SetEnabled(bool enabled) {
  enabled_ = enabled;
  Restart();
}

void Timer::SetInterval(double milliseconds) {
  interval_ = CheckedTimerInterval(milliseconds);
  Restart();
}

void Timer::Restart() { windows_.SetTimer(form_, index_, enabled_ ? interval_ : 0); }

Checkable::Checkable(WindowSystem& windows, FormHandle form, int index, const ControlDesign& design)
    : Control(windows, form, index, design), value_(design.checked) {}

void Checkable::SetValue(bool value) {
  value_ = value;
  windows_.SetControlChecked(form_, index_, value);
}
