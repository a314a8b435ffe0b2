// A drawn form's state and geometry: controls from the design, the window's size and scale,
// boxes in pixels with their clips, hit testing, and the pointer's events.
#include "ui/drawn/drawn_form.h"

#include <algorithm>
#include <cmath>

#include "ui/screen_units.h"

namespace {

// The part of `box` within `area`.
PixelBox Intersection(const PixelBox& area, const PixelBox& box) {
  const long long left = std::max(area.left, box.left);
  const long long top = std::max(area.top, box.top);
  const long long right = std::min(area.left + area.width, box.left + box.width);
  const long long bottom = std::min(area.top + area.height, box.top + box.height);
  return {left, top, std::max(0LL, right - left), std::max(0LL, bottom - top)};
}

bool Contains(const PixelBox& area, long long x, long long y) {
  return x >= area.left && y >= area.top && x < area.left + area.width && y < area.top + area.height;
}

}  // namespace

std::vector<DrawnControl> DrawnControlsOf(const FormDesign& design) {
  std::vector<DrawnControl> controls;
  controls.reserve(design.controls.size());
  for (const ControlDesign& control : design.controls) {
    DrawnControl live;
    live.kind = control.kind;
    live.bounds = control.bounds;
    live.text = control.caption;
    live.font = control.font;
    live.text_color = control.text_color;
    live.back_color = control.back_color;
    live.transparent = control.transparent;
    live.round = control.round;
    live.alignment = control.alignment;
    live.auto_size = control.auto_size;
    live.visible = control.visible;
    live.checked = control.checked;
    for (std::size_t i = 0; i < design.controls.size(); ++i) {
      if (!control.parent.empty() && design.controls[i].name == control.parent) live.container = static_cast<int>(i);
    }
    controls.push_back(std::move(live));
  }
  return controls;
}

DrawnForm::DrawnForm(const FormDesign& design, FormEventSink& sink, int dots_per_inch)
    : sink_(&sink), dots_per_inch_(dots_per_inch), back_color_(design.back_color), controls_(DrawnControlsOf(design)) {}

void DrawnForm::ReplaceControls(const FormDesign& design) {
  controls_ = DrawnControlsOf(design);
  pressed_control_ = UiEvent::kFormItself;
  focused = UiEvent::kFormItself;
  dirty = true;
}

void DrawnForm::SetWindowSize(int width, int height) {
  window_width_ = std::max(0, width);
  window_height_ = std::max(0, height);
  dirty = true;
}

void DrawnForm::SetScale(double scale) {
  scale_ = scale > 0 && scale < 1 ? scale : 1;
  dirty = true;
}

int DrawnForm::ToPixels(long long twips) const { return PixelsOfTwips(twips, dots_per_inch_); }

int DrawnForm::ToTwips(long long pixels) const { return TwipsOfPixels(pixels, dots_per_inch_); }

long long DrawnForm::DesignPixels(long long window_pixels) const {
  return std::llround(static_cast<double>(window_pixels) / scale_);
}

TwipSize DrawnForm::ClientSize() const {
  return {ToTwips(DesignPixels(window_width_)), ToTwips(DesignPixels(window_height_))};
}

TwipRect DrawnForm::TwipsOf(const PixelBox& area) const {
  return {ToTwips(DesignPixels(area.left)), ToTwips(DesignPixels(area.top)), ToTwips(DesignPixels(area.width)),
          ToTwips(DesignPixels(area.height))};
}

void DrawnForm::FitToMonitors(const std::vector<PixelBox>& monitors, long long screen_width,
                              long long screen_height) {
  PixelBox holding{0, 0, screen_width, screen_height};
  for (const PixelBox& monitor : monitors) {
    if (Contains(monitor, window_width_ / 2, window_height_ / 2)) holding = monitor;
  }
  SetScale(MiniatureScale(window_width_, window_height_, holding.width, holding.height));
}

std::vector<TwipRect> DrawnForm::MonitorAreasOf(const std::vector<PixelBox>& monitors) const {
  std::vector<TwipRect> areas;
  for (const PixelBox& monitor : monitors) {
    const PixelBox part = Intersection({0, 0, window_width_, window_height_}, monitor);
    if (part.width > 0 && part.height > 0) areas.push_back(TwipsOf(part));
  }
  return areas;
}

bool DrawnForm::Shown(int control) const {
  for (int at = control; at != UiEvent::kFormItself; at = controls_[at].container) {
    if (!controls_[at].visible) return false;
  }
  return true;
}

PixelBox DrawnForm::BoxOf(int control, PixelBox* clip) const {
  std::vector<int> chain;  // the control and its containers, innermost first
  for (int at = control; at != UiEvent::kFormItself; at = controls_[at].container) chain.push_back(at);
  // Each level is placed in whole pixels within the one around it, as child windows are.
  PixelBox box{0, 0, DesignPixels(window_width_), DesignPixels(window_height_)};
  PixelBox visible = box;
  for (auto at = chain.rbegin(); at != chain.rend(); ++at) {
    const TwipRect& bounds = controls_[*at].bounds;
    box = {box.left + ToPixels(bounds.left), box.top + ToPixels(bounds.top), ToPixels(bounds.width),
           ToPixels(bounds.height)};
    visible = Intersection(visible, box);
  }
  if (clip != nullptr) *clip = visible;
  return box;
}

int DrawnForm::HitTest(long long window_x, long long window_y) const {
  const long long x = DesignPixels(window_x);
  const long long y = DesignPixels(window_y);
  for (int i = static_cast<int>(controls_.size()) - 1; i >= 0; --i) {
    if (controls_[i].kind == ControlKind::kTimer || !Shown(i)) continue;
    PixelBox clip;
    BoxOf(i, &clip);
    if (Contains(clip, x, y)) return i;
  }
  return UiEvent::kFormItself;
}

void DrawnForm::PlaceIn(UiEvent& event, long long window_x, long long window_y) const {
  const PixelBox origin = event.control >= 0 ? BoxOf(event.control) : PixelBox{};
  event.x = ToTwips(DesignPixels(window_x) - origin.left);
  event.y = ToTwips(DesignPixels(window_y) - origin.top);
}

UiEvent DrawnForm::PointerMoved(long long window_x, long long window_y, int buttons, int shift) const {
  UiEvent event{EventKind::kMouseMove};
  event.control = HitTest(window_x, window_y);
  event.buttons = buttons;
  event.shift = shift;
  PlaceIn(event, window_x, window_y);
  return event;
}

UiEvent DrawnForm::PointerPressed(long long window_x, long long window_y, int button, int shift) {
  UiEvent event{EventKind::kMouseDown};
  event.control = pressed_control_ = HitTest(window_x, window_y);
  event.buttons = button;
  event.shift = shift;
  PlaceIn(event, window_x, window_y);
  return event;
}

UiEvent DrawnForm::PointerReleased(long long window_x, long long window_y, int button, int shift) const {
  UiEvent event{EventKind::kMouseUp};
  const bool pressed_still_there = pressed_control_ < static_cast<int>(controls_.size());
  PixelBox pressed = BoxOf(UiEvent::kFormItself);
  if (pressed_control_ >= 0 && pressed_still_there) BoxOf(pressed_control_, &pressed);
  event.control = pressed_still_there && Contains(pressed, DesignPixels(window_x), DesignPixels(window_y))
                      ? pressed_control_
                      : UiEvent::kElsewhere;
  event.buttons = button;
  event.shift = shift;
  PlaceIn(event, window_x, window_y);
  return event;
}

void DrawnForm::PointerSeenAt(long long screen_x, long long screen_y) {
  pointer_on_screen_ = PixelBox{screen_x, screen_y, 0, 0};
}

bool DrawnForm::PointerMovedTo(long long screen_x, long long screen_y) {
  const PixelBox place{screen_x, screen_y, 0, 0};
  if (pointer_on_screen_ == place) return false;
  pointer_on_screen_ = place;
  return true;
}

double MiniatureScale(int window_width, int window_height, long long monitor_width, long long monitor_height) {
  if (window_width <= 0 || window_height <= 0 || monitor_width <= 0 || monitor_height <= 0) return 1;
  return std::min({1.0, static_cast<double>(window_width) / static_cast<double>(monitor_width),
                   static_cast<double>(window_height) / static_cast<double>(monitor_height)});
}

CanvasFont CanvasFontOf(const FontSpec& font, int dots_per_inch) {
  return {font.name, PixelsOfPoints(font.size_points, dots_per_inch), font.bold};
}
