// The window toolkit of a home that draws its forms itself (the Linux saver, the browser's
// saver): every form's state, its controls, timers, focus and modality kept here, and painted
// over the home's canvas. The home adds only what is its own: making, showing and naming a
// window, its clock, painting onto its surface, and its input, which it hands in below.
//
// Of the controls it draws what the saver's window uses: labels (text, colour, face,
// alignment, size to text, wrapping) and picture boxes, square or round. Command buttons,
// frames, option buttons, check boxes and text boxes are kept as state, not drawn; a text
// box's text is what the program set last.
#pragma once

#include <functional>
#include <map>
#include <memory>
#include <string>

#include "ui/drawn/canvas.h"
#include "ui/drawn/drawn_form.h"
#include "ui/drawn/report_box.h"
#include "ui/window_system.h"

class DrawnWindowSystem : public WindowSystem {
 public:
  // Designs are laid out at `dots_per_inch`.
  explicit DrawnWindowSystem(int dots_per_inch);

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
  TwipSize MeasureText(const FontSpec& font, const std::string& text) override;
  void SetTimer(FormHandle form, int control, int interval_ms) override;

  // The home's input and its windows' news, each for one form. Input to a form that a
  // modal form lies over goes nowhere; so does input to a form that is gone.
  //
  // The window became the active one, with the focus on itself.
  void WindowActivated(FormHandle form);
  // The window's size in its own pixels changed: the form fits it anew (FitScale), and a
  // report box is laid out again for it.
  void WindowResized(FormHandle form, int width, int height);
  // A key went down: first to the form's dialog keys with the control holding the focus,
  // then, unless they took it, as a key and, when it types one, as its character (0: none).
  void KeyWentDown(FormHandle form, Key key, int shift, int character);
  // Where the pointer is on the screen as the window shows (see PointerMoved).
  void PointerSeenAt(FormHandle form, long long screen_x, long long screen_y);
  // The pointer at a place in the window's pixels and on the screen: a move only where the
  // place on the screen changed, since a window that appears or moves under a still pointer
  // hears of a move too.
  void PointerMoved(FormHandle form, long long x, long long y, long long screen_x, long long screen_y, int buttons,
                    int shift);
  // A button went down or up at a place in the window's pixels.
  void PointerPressed(FormHandle form, long long x, long long y, int button, int shift);
  void PointerReleased(FormHandle form, long long x, long long y, int button, int shift);

  // Ticks every timer due by the home's clock, once each however late; the next tick then
  // counts from now.
  void FireDueTimers();
  // Milliseconds until the next timer is due, 0 if one is due now; -1 when none runs.
  long long MillisecondsToNextTimer();
  // Paints each shown form changed since it was last painted.
  void PaintChangedForms();
  bool HasForms() const { return !forms_.empty(); }

  // In place of every form, the report box in a window of its own, shown; returns at once.
  // A key or a mouse button in that window closes the box, and then `closed` runs, once;
  // the window stays until the program ends or shows another box.
  FormHandle ShowReportBox(const ReportBox& report, std::function<void()> closed);
  // Closes the report box as a key or a click would, for a home whose window for it went
  // another way (closed by the desktop, or a host's window taken away). Nothing if no box is
  // open or it has closed already.
  void CloseReportBox();

 protected:
  // The home makes the form's window, hidden, and gives the form its size (and scale, when
  // it shows the design smaller). A throw leaves no window behind.
  virtual void OpenWindow(FormHandle handle, const FormDesign& design, DrawnForm& form) = 0;
  // The window goes; it must not throw.
  virtual void CloseWindow(FormHandle handle) noexcept = 0;
  // The window shows, above the others.
  virtual void ShowWindow(FormHandle handle, DrawnForm& form) = 0;
  virtual void NameWindow(FormHandle handle, const std::string& caption) = 0;
  // Paints the form onto the window's surface (DrawnForm::Paint) and shows it.
  virtual void PaintWindow(FormHandle handle, DrawnForm& form) = 0;
  // The home's steady clock, in milliseconds.
  virtual long long NowMs() = 0;
  // Lays out every text the forms measure and draw.
  virtual TextMeasurer& text() = 0;
  // The window's size changed: the home sets the form's scale for it, if it shows forms
  // smaller in some windows; by default the scale stays.
  virtual void FitScale(FormHandle, DrawnForm&) {}

  DrawnForm& FormAt(FormHandle form);
  // The form, when it is there and no modal form lies over it; else null.
  DrawnForm* TakingInput(FormHandle form);
  int dots_per_inch() const { return dots_per_inch_; }
  // Destroys every form, the earliest first.
  void DestroyAllForms();

 private:
  void Deliver(FormHandle form, const UiEvent& event);
  DrawnControl& ControlAt(FormHandle form, int control);

  int dots_per_inch_;
  FormHandle next_handle_ = 1;
  // The report box shown, and in which window.
  std::optional<ReportBox> report_;
  FormHandle report_window_ = 0;
  // What runs when the box closes; empty once it has run.
  std::function<void()> report_closed_;
  // Hears the box's window for as long as the toolkit lives, so that what runs on closing may
  // show another box without pulling the sink from under itself.
  ReportBoxSink report_sink_{[this] { CloseReportBox(); }};
  std::map<FormHandle, std::unique_ptr<DrawnForm>> forms_;
};
