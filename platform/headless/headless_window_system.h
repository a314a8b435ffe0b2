// The in-memory window toolkit the tests run the program on: a virtual clock whose timers
// fire in order, deterministic text metrics, scripted keys and mouse input, the focus and
// the active window as Windows moves them, and a journal of what a user would see.
//
// Text metrics, in twips, for a font of p points: every character (a code point, however many
// bytes its UTF-8 takes; a byte that is no UTF-8 counts as one, as its replacement shows) is
// p x 10 wide (p x 11 when bold) and every line p x 24 high, each rounded to the nearest
// whole; a text's width is that of its longest line (lines end at CR LF), an empty text is 0
// wide and one line high.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "platform/headless/headless_services.h"
#include "ui/window_system.h"

struct HeadlessControl {
  ControlDesign design;  // as created
  std::string text;
  std::optional<Color> text_color;
  FontSpec font;
  TextAlignment alignment = TextAlignment::kLeft;
  TwipRect bounds;
  bool visible = true;
  int timer_interval = 0;  // timers: 0 when stopped
  long long timer_due = 0;
  bool checked = false;  // option buttons and check boxes
};

struct HeadlessForm {
  FormDesign design;
  FormEventSink* sink = nullptr;
  std::string caption;
  bool shown = false;
  FormHandle modal_owner = 0;  // the form this one blocks while it is open
  // The control holding the keyboard focus; empty while the form is not the active one
  // and, as Windows leaves it when a window becomes active, on the window itself.
  std::string focused;
  std::vector<HeadlessControl> controls;
};

class HeadlessWindowSystem : public WindowSystem, public MessageBoxWatcher {
 public:
  // The screen in pixels at 15 twips per pixel (96 dots per inch).
  explicit HeadlessWindowSystem(int screen_width_px = 1024, int screen_height_px = 768);

  FormHandle CreateForm(const FormDesign& design, FormEventSink& sink) override;
  void DestroyForm(FormHandle form) override;
  void ShowForm(FormHandle form) override;
  void ShowModal(FormHandle form, FormHandle owner) override;
  void SetFormCaption(FormHandle form, const std::string& caption) override;
  void SetFocus(FormHandle form, int control) override;
  TwipSize ClientSize(FormHandle form) override;
  // The monitors a test sets up (twips, in every form's client coordinates); none: the
  // client area is on one monitor.
  std::vector<TwipRect> monitor_areas;
  std::vector<TwipRect> MonitorAreas(FormHandle form) override {
    return monitor_areas.empty() ? WindowSystem::MonitorAreas(form) : monitor_areas;
  }
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

  // The virtual clock, in milliseconds since the program started.
  long long now_ms() const { return now_ms_; }
  // Moves the clock on, firing every timer that falls due on the way, in time order.
  void Advance(long long milliseconds);
  void AdvanceTo(long long time_ms) { Advance(time_ms - now_ms_); }

  // Scripted input, delivered to the active form. A control name of "" stands for the
  // form's background. A key goes to the form's dialog keys first, then as a key to the
  // form; Alt+F4 then also asks the form to close, unless it keeps system keys.
  void KeyDown(Key key, int shift = 0);
  // A key going down, then its character: into the text box holding the focus, if one does,
  // else to the form.
  void TypeCharacter(char character);
  void MoveMouse(const std::string& control_name = "");
  // A press and a release over the same control. A press brings its window forward, and
  // gives the focus to a control that takes it; buttons, options and the check box report
  // their own clicks, as Windows' buttons do.
  void Click(const std::string& control_name = "");
  void Press(const std::string& control_name = "");
  // Releases the button pressed last, over `control_name` of the same form.
  void Release(const std::string& control_name = "");
  // The window pressed last loses the mouse before the release (another window takes it,
  // the system cancels the mode): a button forgets its press, other windows hear of the
  // loss, and the release still comes, as a plain release.
  void LoseMouse();
  // A click in a named form, which a modal form over it keeps from its handlers.
  void ClickIn(const std::string& form_name, const std::string& control_name);
  // The user brings a named form forward (its title bar, Alt+Tab), unless a modal form
  // over it keeps it back.
  void Activate(const std::string& form_name);
  // Replaces the text of a text box as the user would by typing.
  void TypeInto(const std::string& control_name, const std::string& text);
  // Escape: presses the active form's cancel button, if it has one and takes dialog keys.
  void PressEscape();
  // Alt and a letter, as a user presses the letter a caption marks with "&".
  void PressAccelerator(char letter);
  // The close box of a named form.
  void Close(const std::string& form_name);

  // True once the program has ended; no event is delivered after that.
  bool program_ended() const { return program_ended_; }

  // What is there now: the form by name (null when it does not exist) and its controls.
  const HeadlessForm* FindForm(const std::string& form_name) const;
  const HeadlessControl& ControlOf(const std::string& form_name, const std::string& control_name) const;
  bool IsShown(const std::string& form_name) const;
  // The name of the form that takes input now: the one shown last that is still there.
  std::string ActiveFormName() const;
  // The control of the active form that holds the focus; "" for none or the window itself.
  std::string FocusedControl() const;

  // A message box takes the activation from the active form and gives it back on closing.
  void BoxOpened() override;
  void BoxClosed() override;

  // Everything a user would have seen, in order, one line each, stamped with the clock.
  std::vector<std::string> journal;

 private:
  HeadlessForm& FormAt(FormHandle form);
  HeadlessControl& ControlAt(FormHandle form, int control);
  void Note(const std::string& form_name, const std::string& what);
  void NoteControl(FormHandle form, int control, const std::string& what);
  void Deliver(FormHandle form, const UiEvent& event);
  void DeliverToActive(UiEvent event, const std::string& control_name);
  void DeliverInput(FormHandle form, UiEvent event, const std::string& control_name);
  int IndexIn(const HeadlessForm& form, const std::string& control_name) const;
  bool Blocked(FormHandle form) const;
  FormHandle HandleOf(const std::string& form_name) const;
  void ActivateForm(FormHandle form);
  void GiveActivation(FormHandle form);
  void PressIn(FormHandle form, const std::string& control_name);
  void ReleaseIn(FormHandle form, const std::string& control_name);

  // The last text measured, with the characters of its widest line and its number of lines.
  struct TextLines {
    TextLines() = default;
    explicit TextLines(const std::string& counted);
    std::string text;
    std::size_t widest = 0;
    std::size_t lines = 1;
  };

  TwipSize screen_;
  TextLines measured_;
  long long now_ms_ = 0;
  FormHandle next_handle_ = 1;
  std::vector<FormHandle> shown_order_;  // shown forms, the active one last
  std::map<FormHandle, HeadlessForm> forms_;
  FormHandle pressed_form_ = 0;  // where the mouse button went down last
  std::string pressed_control_;
  bool program_ended_ = false;
};

// How the journal writes a colour: "(r, g, b)", or "default" for the system's colour.
std::string ColorText(const std::optional<Color>& color);
