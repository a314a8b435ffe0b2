// A form that its home draws itself: the state of its controls as the program last set them,
// where each lies in the window's pixels and what the window clips of it, which control a
// place in the window hits, and the painting of the whole form onto a canvas.
//
// A form is laid out at its design's size, in pixels at the screen's dots per inch; a window
// that shows it smaller (a preview, a report that does not fit) has a scale below 1 and
// shows a miniature of that layout, so its text wraps into the same lines.
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "ui/design.h"
#include "ui/drawn/canvas.h"
#include "ui/window_system.h"

struct DrawnControl {
  ControlKind kind = ControlKind::kLabel;
  int container = UiEvent::kFormItself;
  TwipRect bounds;
  std::string text;
  FontSpec font;
  std::optional<Color> text_color;
  std::optional<Color> back_color;
  bool transparent = false;
  bool round = false;
  TextAlignment alignment = TextAlignment::kLeft;
  bool auto_size = false;
  bool visible = true;
  bool checked = false;
  // Timers: the interval (0: stopped) and when the next tick is due, on the home's clock.
  int interval_ms = 0;
  long long due_ms = 0;
  // Labels: the lines last drawn, drawn again while the text, face and width they were laid
  // out for stay, so that a form repainted for another control's sake lays out nothing.
  struct Lines {
    std::string text;
    FontSpec font;
    long long wrap_width = 0;  // -1: a label that sizes itself, which is not wrapped
    long long height = 0;      // of the lines laid out, which end below the clip or at the text's end
    bool complete = false;
    std::vector<std::shared_ptr<const TextLine>> pieces;
  } lines;
};

// Controls as their design has them, each knowing its container by index.
std::vector<DrawnControl> DrawnControlsOf(const FormDesign& design);

class DrawnForm {
 public:
  DrawnForm(const FormDesign& design, FormEventSink& sink, int dots_per_inch);

  FormEventSink& sink() const { return *sink_; }
  int dots_per_inch() const { return dots_per_inch_; }
  std::vector<DrawnControl>& controls() { return controls_; }
  const std::vector<DrawnControl>& controls() const { return controls_; }
  DrawnControl& control(int index) { return controls_.at(static_cast<std::size_t>(index)); }
  // Every control replaced by those of `design`, the form's own colour and scale kept.
  void ReplaceControls(const FormDesign& design);

  // The window's size in its own pixels, and how many times smaller than the design's size
  // it shows the form (at most 1).
  int window_width() const { return window_width_; }
  int window_height() const { return window_height_; }
  void SetWindowSize(int width, int height);
  double scale() const { return scale_; }
  void SetScale(double scale);

  // Twips and pixels at the design's size, which is where the form is laid out, measured
  // and hit; a window drawn smaller holds more of them than it has pixels.
  int ToPixels(long long twips) const;
  int ToTwips(long long pixels) const;
  long long DesignPixels(long long window_pixels) const;
  // The window's client area, and a part of it given in window pixels, in twips.
  TwipSize ClientSize() const;
  TwipRect TwipsOf(const PixelBox& window_area) const;

  // `monitors` in the window's own pixels (one left of the window has a negative left). The
  // form shows as a miniature of the monitor that holds the window's middle, else of a
  // screen of `screen_width` by `screen_height`; a window as large as that at full size.
  void FitToMonitors(const std::vector<PixelBox>& monitors, long long screen_width, long long screen_height);
  // The part of the window on each monitor the window reaches, in twips.
  std::vector<TwipRect> MonitorAreasOf(const std::vector<PixelBox>& monitors) const;

  // Whether the control and each of its containers are visible.
  bool Shown(int control) const;
  // The control's place in design pixels (kFormItself: the whole client area); `clip`:
  // the part of it the window and its containers show.
  PixelBox BoxOf(int control, PixelBox* clip = nullptr) const;
  // The topmost shown control whose visible part holds the window pixel, else kFormItself.
  int HitTest(long long window_x, long long window_y) const;

  // The pointer at a window pixel, as the form's event: moved, or a button pressed or
  // released (`buttons` as UiEvent counts them). A release belongs to the control pressed
  // last when it comes within that control, else to none (kElsewhere), as a window that
  // keeps the mouse from press to release has it.
  UiEvent PointerMoved(long long window_x, long long window_y, int buttons, int shift) const;
  UiEvent PointerPressed(long long window_x, long long window_y, int button, int shift);
  UiEvent PointerReleased(long long window_x, long long window_y, int button, int shift) const;
  // The pointer's place on the screen, and whether it differs from where it was last seen:
  // a window that appears or moves under a still pointer gets a move event all the same.
  void PointerSeenAt(long long screen_x, long long screen_y);
  bool PointerMovedTo(long long screen_x, long long screen_y);

  // The whole form, background first, then each shown control in creation order, each
  // clipped as its window would be; a form shown smaller as a miniature of its design size.
  void Paint(Canvas& canvas, TextMeasurer& text);

  // The control holding the keyboard focus (kFormItself: the window itself).
  int focused = UiEvent::kFormItself;
  // The form this one is modal over, which takes no input while this one is there; 0: none.
  FormHandle modal_owner = 0;
  bool shown = false;
  bool dirty = true;

 private:
  void PaintLabel(Canvas& canvas, TextMeasurer& text, DrawnControl& label, const PixelBox& box,
                  const PixelBox& clip);
  // The event's place in twips within its control's own box.
  void PlaceIn(UiEvent& event, long long window_x, long long window_y) const;

  FormEventSink* sink_;
  int dots_per_inch_;
  std::optional<Color> back_color_;
  std::vector<DrawnControl> controls_;
  int window_width_ = 0;
  int window_height_ = 0;
  double scale_ = 1;
  int pressed_control_ = UiEvent::kFormItself;
  std::optional<PixelBox> pointer_on_screen_;  // a place: left and top
};

// How many times smaller than its monitor a window shows a form that fits the monitor: a
// window as large as its monitor, or larger, shows it at full size.
double MiniatureScale(int window_width, int window_height, long long monitor_width, long long monitor_height);

// The design's face at its size in whole pixels at `dots_per_inch`.
CanvasFont CanvasFontOf(const FontSpec& font, int dots_per_inch);
