// The live controls of a form: each starts from its design and passes every change to the
// platform. Labels that size themselves measure their text here, once for every platform.
#pragma once

#include <string>
#include <string_view>

#include "ui/design.h"
#include "ui/window_system.h"

class Control {
 public:
  Control(WindowSystem& windows, FormHandle form, int index, const ControlDesign& design);
  virtual ~Control() = default;
  Control(const Control&) = delete;
  Control& operator=(const Control&) = delete;

  const std::string& name() const { return name_; }
  int index() const { return index_; }

  bool visible() const { return visible_; }
  void SetVisible(bool visible);

  const TwipRect& bounds() const { return bounds_; }
  int left() const { return bounds_.left; }
  int top() const { return bounds_.top; }
  int width() const { return bounds_.width; }
  int height() const { return bounds_.height; }
  void SetLeft(int left);
  void SetTop(int top);

 protected:
  void SetBounds(const TwipRect& bounds);

  WindowSystem& windows_;
  FormHandle form_;
  int index_;

 private:
  std::string name_;
  bool visible_;
  TwipRect bounds_;
};

class Label : public Control {
 public:
  Label(WindowSystem& windows, FormHandle form, int index, const ControlDesign& design);

  const std::string& text() const { return text_; }
  void SetText(std::string_view text);

  const std::optional<Color>& text_color() const { return text_color_; }
  void SetTextColor(const Color& color);

  const FontSpec& font() const { return font_; }
  void SetFont(const FontSpec& font);
  // Both at once: a label that sizes itself is measured once, in its new font.
  void SetTextAndFont(std::string_view text, const FontSpec& font);

  TextAlignment alignment() const { return alignment_; }
  void SetAlignment(TextAlignment alignment);

 private:
  void FitToText();

  std::string text_;
  std::optional<Color> text_color_;
  FontSpec font_;
  TextAlignment alignment_;
  bool auto_size_;
};

// A timer ticks every interval while enabled. Setting the interval or enabling it starts
// the countdown again from that moment; an interval of 0 never ticks.
class Timer : public Control {
 public:
  Timer(WindowSystem& windows, FormHandle form, int index, const ControlDesign& design);

  bool enabled() const { return enabled_; }
  void SetEnabled(bool enabled);
  int interval() const { return interval_; }
  // Whole milliseconds to the nearest; outside 0 to 65,535 is failure 380.
  void SetInterval(double milliseconds);

 private:
  void Restart();

  bool enabled_;
  int interval_;
};

// An option button or a check box: a mark the user sets by clicking. Option buttons in one
// container form a group in which exactly one is selected.
class Checkable : public Control {
 public:
  Checkable(WindowSystem& windows, FormHandle form, int index, const ControlDesign& design);

  bool value() const { return value_; }
  void SetValue(bool value);

 private:
  bool value_;
};

using OptionButton = Checkable;
using CheckBox = Checkable;

// A one-line text box; its text is what the user typed or the program set last.
class TextBox : public Control {
 public:
  using Control::Control;

  std::string text() const { return windows_.ReadControlText(form_, index_); }
  void SetText(const std::string& text) { windows_.SetControlText(form_, index_, text); }
};
