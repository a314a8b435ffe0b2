// The window toolkit on X11 for the saver: each form is a window (one of the program's own,
// or the one a host gave it), drawn whole into an off-screen pixmap from its controls'
// state and copied to the screen; timers and X events are served by one loop that sleeps in
// poll() until the next timer is due or an event arrives.
//
// Of the toolkit it implements what the saver's window uses: forms shown and destroyed,
// captions, labels (text, colour, face, alignment, size to text, wrapping), picture boxes,
// visibility, timers, text measuring, the monitors a form covers, keys, clicks and pointer
// moves, and a message box drawn on the saver's window. It does not implement the dialogs
// of the setup screen, which this platform does not have: command buttons, frames, option
// buttons, check boxes and text boxes are kept as state but not drawn and take no input,
// a modal form is shown as any other, and the focus stays with the window itself.
//
// Designs are drawn at the X server's Xft.dpi (96 when unset). On a host's window smaller
// than its monitor, as in a preview, the whole design is drawn smaller by the same factor,
// so that what fits the screen fits the window.
#pragma once

#include <X11/Xlib.h>

#include <chrono>
#include <map>
#include <memory>
#include <optional>
#include <vector>

#include "platform/x11/x11_fonts.h"
#include "platform/x11/x11_owned.h"
#include "ui/services.h"
#include "ui/window_system.h"

class PixmapCanvas;

class X11WindowSystem : public WindowSystem {
 public:
  // `host_window`: the window a host gave the program to draw on, which the first form takes
  // over; None: each form gets a top-level window of its own. The program owns input only
  // in windows of its own.
  X11WindowSystem(Display* display, Window host_window);
  ~X11WindowSystem() override;
  X11WindowSystem(const X11WindowSystem&) = delete;
  X11WindowSystem& operator=(const X11WindowSystem&) = delete;

  FormHandle CreateForm(const FormDesign& design, FormEventSink& sink) override;
  void DestroyForm(FormHandle form) override;
  void ShowForm(FormHandle form) override;
  void ShowModal(FormHandle form, FormHandle owner) override;
  void SetFormCaption(FormHandle form, const std::string& caption) override;
  void SetFocus(FormHandle form, int control) override;
  TwipSize ClientSize(FormHandle form) override;
  std::vector<TwipRect> MonitorAreas(FormHandle form) override;
  void SetControlText(FormHandle form, int control, const std::string& text) override;
  void SetControlTextColor(FormHandle form, int control, const std::optional<Color>& color) override;
  void SetControlFont(FormHandle form, int control, const FontSpec& font) override;
  void SetControlAlignment(FormHandle form, int control, TextAlignment alignment) override;
  void SetControlBounds(FormHandle form, int control, const TwipRect& bounds) override;
  void SetControlVisible(FormHandle form, int control, bool visible) override;
  void SetControlChecked(FormHandle form, int control, bool checked) override;
  std::string ReadControlText(FormHandle form, int control) override;
  TwipSize MeasureText(const FontSpec& font, const std::string& text) override;
  void SetTimer(FormHandle form, int control, int interval_ms) override;

  // Hides the pointer over the program's own windows, or shows it again.
  void SetPointerHidden(bool hidden);

  // A place in a window's pixels, which may lie far outside it.
  struct PixelBox {
    long long left, top, width, height;
  };

  // Serves events and timers until the last form is gone, the user closes a window of the
  // program's own, or the host's window is destroyed.
  void Run();

  // In place of every form: a message box as Windows draws a plain one, with the title,
  // text and icon of a message box of `kind`, on the host's window or a whole-screen window of
  // the program's own, made smaller when it does not fit. Returns when a key or a click in
  // the program's own window closes it, or the host's window is destroyed.
  void ShowReport(const std::string& title, const std::string& text, MessageBoxKind kind);

 private:
  using Clock = std::chrono::steady_clock;
  struct LiveControl;
  struct LiveForm;

  LiveForm& FormAt(FormHandle form);
  LiveControl& ControlAt(FormHandle form, int control);
  // Marks the form for repainting once the current events are handled.
  void Invalidate(FormHandle form);
  Window CreateOwnWindow(const FormDesign& design);
  void AdoptHostWindow(LiveForm& form);
  std::vector<LiveControl> LiveControlsOf(const FormDesign& design) const;
  // A host's window takes the design at the size its monitor would show it, shrunk by the
  // window's share of that monitor; the program's own windows at full size.
  void FitDesignTo(const LiveForm& form);
  void LayOutReport(LiveForm& form);

  void Dispatch(XEvent& event);
  void HandleInput(FormHandle handle, XEvent& event);
  void HandleKey(FormHandle handle, XKeyEvent& key);
  void Deliver(FormHandle handle, const UiEvent& event);
  void FireDueTimers();
  int MillisecondsToNextTimer() const;
  void Paint(LiveForm& form);
  void PaintLabel(PixmapCanvas& canvas, LiveControl& label, const PixelBox& box, const XRectangle& clip);

  // A control's place in its form's window; `clip`: the part of it the window and its
  // containers show.
  PixelBox BoxOf(const LiveForm& form, int control, XRectangle* clip = nullptr) const;
  bool Shown(const LiveForm& form, int control) const;
  int HitTest(const LiveForm& form, int x, int y) const;
  // Twips and pixels at the design's size, which is where forms are laid out, measured and
  // hit; a window drawn smaller holds more of them than it has pixels.
  int ToPixels(long long twips) const;
  int ToTwips(long long pixels) const;
  long long DesignPixels(long long window_pixels) const;

  Display* display_;
  int screen_;
  Window host_window_;
  bool host_window_taken_ = false;
  double dots_per_inch_;
  // How much smaller than the design's size the window shows it: the forms are drawn as
  // a miniature of what the screen would show, text and all, so nothing wraps otherwise.
  double design_scale_ = 1;
  PangoFonts fonts_;
  Atom wm_protocols_;
  Atom wm_delete_window_;
  OwnedCursor blank_cursor_;
  bool pointer_hidden_ = false;
  bool running_ = true;
  FormHandle next_handle_ = 1;
  class ReportSink;
  struct Report;
  std::unique_ptr<Report> report_;
  std::map<FormHandle, std::unique_ptr<LiveForm>> forms_;
};
