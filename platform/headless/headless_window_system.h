// The in-memory window toolkit the tests run the program on: a virtual clock whose timers
// fire in order, deterministic text metrics, scripted keys and mouse input, and a journal
// of what a user would see.
//
// Text metrics, in twips, for a font of p points: every character is p x 10 wide (p x 11
// when bold) and every line p x 24 high, each rounded to the nearest whole; a text's width
// is that of its longest line (lines end at CR LF), an empty text is 0 wide and one line high.
#pragma once

#include <map>
#include <string>
#include <vector>

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
  std::string focused;         // the control holding the keyboard focus
  std::vector<HeadlessControl> controls;
};

class HeadlessWindowSystem : public WindowSystem {
 public:
  // The screen in pixels at 15 twips per pixel (96 dots per inch).
  explicit HeadlessWindowSystem(int screen_width_px = 1024, int screen_height_px = 768);

  FormHandle CreateForm(const FormDesign& design, FormEventSink& sink) override;
  void DestroyForm(FormHandle form) override;
  void ShowForm(FormHandle form) override;
  void ShowModal(FormHandle form, FormHandle owner) override;
  void HideForm(FormHandle form) override;
  void SetFormCaption(FormHandle form, const std::string& caption) override;
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

  // The virtual clock, in milliseconds since the program started.
  long long now_ms() const { return now_ms_; }
  // Moves the clock on, firing every timer that falls due on the way, in time order.
  void Advance(long long milliseconds);
  void AdvanceTo(long long time_ms) { Advance(time_ms - now_ms_); }

  // Scripted input, delivered to the form shown last. A control name of "" stands for the
  // form's background.
  void KeyDown(int key_code, int shift = 0);
  void TypeCharacter(char character);  // a key going down, then its character
  void MoveMouse(const std::string& control_name = "");
  void Click(const std::string& control_name = "");
  // A click in a named form, which a modal form over it keeps from its handlers.
  void ClickIn(const std::string& form_name, const std::string& control_name);
  // Replaces the text of a text box as the user would by typing.
  void TypeInto(const std::string& control_name, const std::string& text);
  // Escape: presses the active form's cancel button, if it has one.
  void PressEscape();
  // Alt and a letter: presses the control whose caption marks that letter with "&".
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

  // The last text measured, with its widest line and its number of lines.
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
  bool program_ended_ = false;
};

// How the journal writes a colour: "(r, g, b)", or "default" for the system's colour.
std::string ColorText(const std::optional<Color>& color);
