// What a platform must do for the forms: create windows and controls from their designs,
// change what they show, measure text, run timers and report input, activation and the
// focus. A cancel button is pressed by Escape, which arrives as its click; the other keys of
// a dialog go to the form, which decides where they lead. The platform decides nothing about
// what the program shows; the forms above it do.
#pragma once

#include <string>
#include <vector>

#include "ui/design.h"
#include "ui/keys.h"

using FormHandle = int;

struct TwipSize {
  int width = 0;
  int height = 0;
  bool operator==(const TwipSize&) const = default;
};

// kClose: the user asks the window to close (its close box, Alt+F4). A press and a release
// of a mouse button (kMouseDown, kMouseUp) over the same control make a kClick; buttons,
// options and the check box report their clicks themselves. kMouseLost: the window holding
// the mouse for a press lost it (another window took it, the system cancelled the mode), so
// the press in progress counts no more.
enum class EventKind { kClick, kMouseMove, kKeyDown, kKeyPress, kTimer, kClose, kMouseDown, kMouseUp, kMouseLost };

// One event for one form. `control` is the index of the control in the form's design,
// or kFormItself for the form's background and for keys.
struct UiEvent {
  static constexpr int kFormItself = -1;
  static constexpr int kElsewhere = -2;  // kMouseUp: released outside the pressed window
  EventKind kind = EventKind::kClick;
  int control = kFormItself;
  Key key = Key::kNone;  // kKeyDown: the key
  int character = 0;  // kKeyPress: the character code
  int shift = 0;      // shift state: 1 Shift, 2 Ctrl, 4 Alt
  int buttons = 0;    // mouse buttons, 1 left, 2 right, 4 middle: the one pressed or released
                      // (kMouseDown, kMouseUp, kClick), those held (kMouseMove)
  int x = 0;          // mouse position in twips, in the control's own coordinates
  int y = 0;
};

// Receives the events of one form. The platform delivers them one at a time.
class FormEventSink {
 public:
  virtual ~FormEventSink() = default;
  virtual void HandleEvent(const UiEvent& event) = 0;

  // The keyboard focus and the dialog keys, whose rules the form keeps. A key going down,
  // with the control holding the focus (kFormItself: none): true when the form took the key,
  // which then goes no further.
  virtual bool HandleDialogKey(int focused, Key key, int shift) = 0;
  // The focus came to a control: a click, an accelerator or the form's own request.
  virtual void HandleFocusArrived(int control) = 0;
  // The window has become the active one, with the focus on the window itself.
  virtual void HandleActivated() = 0;
};

class WindowSystem {
 public:
  virtual ~WindowSystem() = default;

  // Creates the window, hidden, and every control of the design that is not a timer, as
  // designed (visible ones visible within the hidden window). Events go to `sink`.
  virtual FormHandle CreateForm(const FormDesign& design, FormEventSink& sink) = 0;
  // Destroys the window with its controls and stops its timers; no event follows.
  virtual void DestroyForm(FormHandle form) = 0;
  // Shows the form, brings it forward and makes it the active window, which its sink hears
  // (unless it was active already).
  virtual void ShowForm(FormHandle form) = 0;
  // Shows the form over `owner`, which takes no input until the form is destroyed.
  virtual void ShowModal(FormHandle form, FormHandle owner) = 0;
  virtual void SetFormCaption(FormHandle form, const std::string& caption) = 0;
  // Gives the keyboard focus to a control of the form, or to the window itself (kFormItself).
  virtual void SetFocus(FormHandle form, int control) = 0;
  // The window's client area; a maximised borderless form's is the whole primary monitor.
  virtual TwipSize ClientSize(FormHandle form) = 0;
  // The parts of the client area each on one monitor, in its coordinates; at least one.
  virtual std::vector<TwipRect> MonitorAreas(FormHandle form) {
    const TwipSize client = ClientSize(form);
    return {TwipRect{0, 0, client.width, client.height}};
  }

  // Changes to one control, addressed by its index in the design.
  virtual void SetControlText(FormHandle form, int control, const std::string& text) = 0;
  virtual void SetControlTextColor(FormHandle form, int control, const std::optional<Color>& color) = 0;
  virtual void SetControlFont(FormHandle form, int control, const FontSpec& font) = 0;
  virtual void SetControlAlignment(FormHandle form, int control, TextAlignment alignment) = 0;
  virtual void SetControlBounds(FormHandle form, int control, const TwipRect& bounds) = 0;
  virtual void SetControlVisible(FormHandle form, int control, bool visible) = 0;
  // Option buttons and check boxes: the mark they show.
  virtual void SetControlChecked(FormHandle form, int control, bool checked) = 0;
  // The text as it stands now, the user's typing included (text boxes).
  virtual std::string ReadControlText(FormHandle form, int control) = 0;

  // The size a self-sizing label needs for `text` in `font`: the widest line and the
  // height of all lines (CR LF separates lines), without wrapping.
  virtual TwipSize MeasureText(const FontSpec& font, const std::string& text) = 0;

  // Starts the timer `control` of `form` counting `interval_ms` from now, again and again,
  // replacing any countdown it had; 0 stops it.
  virtual void SetTimer(FormHandle form, int control, int interval_ms) = 0;
};
