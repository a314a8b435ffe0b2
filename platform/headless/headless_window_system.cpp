// The in-memory window toolkit: forms and controls as plain records, timers on a virtual
// clock, and the journal.
#include "platform/headless/headless_window_system.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <limits>
#include <sstream>
#include <stdexcept>

#include "startup/utf8.h"
#include "ui/focus_order.h"

namespace {

constexpr int kTwipsPerPixel = 15;
constexpr int kAltShift = 4;

// The key a character is typed with: a letter's or a digit's, the space bar; none for the
// rest, whose keys differ from one keyboard layout to another.
Key KeyTyping(char character) {
  const char capital = static_cast<char>(std::toupper(static_cast<unsigned char>(character)));
  if (capital >= 'A' && capital <= 'Z') return LetterKey(capital);
  if (capital >= '0' && capital <= '9') return DigitKey(capital);
  return character == ' ' ? Key::kSpace : Key::kNone;
}

// The kinds that are Windows buttons: they take the focus on a press and report a click
// themselves when the release comes over them.
bool IsButtonKind(ControlKind kind) { return TakesFocus(kind) && kind != ControlKind::kTextBox; }

constexpr std::size_t kLongText = 65536;

// A text longer than this shows in the journal by its start and its length: a joke of
// megabytes would otherwise be copied into the journal on every tick. The control itself
// keeps the whole text.
constexpr std::size_t kJournalTextLimit = 240;

std::string Quoted(const std::string& text) {
  std::string quoted = "\"";
  for (char c : std::string_view(text).substr(0, kJournalTextLimit)) {
    if (c == '\r') quoted += "\\r";
    else if (c == '\n') quoted += "\\n";
    else quoted += c;
  }
  quoted += "\"";
  if (text.size() > kJournalTextLimit) quoted += "... (" + std::to_string(text.size()) + " bytes)";
  return quoted;
}

// A length too great for the toolkit's whole numbers counts as the greatest one.
int SaturatedTwips(double twips) {
  return twips >= std::numeric_limits<int>::max() ? std::numeric_limits<int>::max()
                                                   : static_cast<int>(twips);
}

}  // namespace

HeadlessWindowSystem::TextLines::TextLines(const std::string& counted) : text(counted) {
  std::size_t line_start = 0;
  for (;;) {
    const std::size_t line_end = text.find("\r\n", line_start);
    const std::size_t line_stop = line_end == std::string::npos ? text.size() : line_end;
    std::size_t characters = 0;
    for (std::size_t at = line_start; at < line_stop; at += Utf8SequenceAt(text, at).length) ++characters;
    widest = std::max(widest, characters);
    if (line_end == std::string::npos) break;
    line_start = line_end + 2;
    ++lines;
  }
}

std::string ColorText(const std::optional<Color>& color) {
  if (!color) return "default";
  std::ostringstream text;
  text << "(" << int(color->red) << ", " << int(color->green) << ", " << int(color->blue) << ")";
  return text.str();
}

HeadlessWindowSystem::HeadlessWindowSystem(int screen_width_px, int screen_height_px)
    : screen_{screen_width_px * kTwipsPerPixel, screen_height_px * kTwipsPerPixel} {}

FormHandle HeadlessWindowSystem::CreateForm(const FormDesign& design, FormEventSink& sink) {
  const FormHandle handle = next_handle_++;
  HeadlessForm& form = forms_[handle];
  form.design = design;
  form.sink = &sink;
  form.caption = design.caption;
  for (const ControlDesign& control : design.controls) {
    form.controls.push_back({control, control.caption, control.text_color, control.font,
                             control.alignment, control.bounds, control.visible, 0, 0,
                             control.checked});
  }
  Note(design.name, "created");
  return handle;
}

// The window shown before it becomes active again when the active one goes.
void HeadlessWindowSystem::DestroyForm(FormHandle form) {
  Note(FormAt(form).design.name, "destroyed");
  const bool was_active = !shown_order_.empty() && shown_order_.back() == form;
  forms_.erase(form);
  std::erase(shown_order_, form);
  if (pressed_form_ == form) pressed_form_ = 0;
  if (was_active && !shown_order_.empty()) GiveActivation(shown_order_.back());
}

void HeadlessWindowSystem::ShowForm(FormHandle form) {
  HeadlessForm& shown = FormAt(form);
  shown.shown = true;
  Note(shown.design.name, "shown");
  if (shown.design.role.covers_other_monitors) Note(shown.design.name, "covers the other monitors");
  ActivateForm(form);
}

// The focus leaves the window that was active; the new one has it on itself until its
// sink moves it.
void HeadlessWindowSystem::ActivateForm(FormHandle form) {
  if (!shown_order_.empty()) {
    if (shown_order_.back() == form) return;
    FormAt(shown_order_.back()).focused.clear();
  }
  std::erase(shown_order_, form);
  shown_order_.push_back(form);
  GiveActivation(form);
}

void HeadlessWindowSystem::GiveActivation(FormHandle form) {
  HeadlessForm& active = FormAt(form);
  active.focused.clear();
  active.sink->HandleActivated();
}

void HeadlessWindowSystem::SetFocus(FormHandle form, int control) {
  HeadlessForm& target = FormAt(form);
  target.focused = control == UiEvent::kFormItself ? "" : ControlAt(form, control).design.name;
  if (control != UiEvent::kFormItself) target.sink->HandleFocusArrived(control);
}

void HeadlessWindowSystem::BoxOpened() {
  if (!shown_order_.empty()) FormAt(shown_order_.back()).focused.clear();
}

void HeadlessWindowSystem::BoxClosed() {
  if (!shown_order_.empty() && !program_ended_) GiveActivation(shown_order_.back());
}

void HeadlessWindowSystem::ShowModal(FormHandle form, FormHandle owner) {
  FormAt(form).modal_owner = owner;
  ShowForm(form);
  Note(FormAt(form).design.name, "is modal over " + FormAt(owner).design.name);
}

void HeadlessWindowSystem::SetFormCaption(FormHandle form, const std::string& caption) {
  FormAt(form).caption = caption;
  Note(FormAt(form).design.name, "caption " + Quoted(caption));
}

TwipSize HeadlessWindowSystem::ClientSize(FormHandle form) {
  const FormDesign& design = FormAt(form).design;
  if (design.maximized) return screen_;
  return {design.client_width, design.client_height};
}

void HeadlessWindowSystem::SetControlText(FormHandle form, int control, const std::string& text) {
  ControlAt(form, control).text = text;
  NoteControl(form, control, "text " + Quoted(text));
}

void HeadlessWindowSystem::SetControlTextColor(FormHandle form, int control,
                                               const std::optional<Color>& color) {
  ControlAt(form, control).text_color = color;
  NoteControl(form, control, "colour " + ColorText(color));
}

void HeadlessWindowSystem::SetControlFont(FormHandle form, int control, const FontSpec& font) {
  ControlAt(form, control).font = font;
  std::ostringstream what;
  what << "font " << font.name << " " << font.size_points << (font.bold ? " bold" : "")
       << (font.underline ? " underline" : "");
  NoteControl(form, control, what.str());
}

void HeadlessWindowSystem::SetControlAlignment(FormHandle form, int control,
                                               TextAlignment alignment) {
  ControlAt(form, control).alignment = alignment;
  const char* names[] = {"left", "right", "centre"};
  NoteControl(form, control, std::string("aligned ") + names[static_cast<int>(alignment)]);
}

void HeadlessWindowSystem::SetControlBounds(FormHandle form, int control, const TwipRect& bounds) {
  ControlAt(form, control).bounds = bounds;
  std::ostringstream what;
  what << "at " << bounds.left << ", " << bounds.top << " size " << bounds.width << " x "
       << bounds.height;
  NoteControl(form, control, what.str());
}

void HeadlessWindowSystem::SetControlVisible(FormHandle form, int control, bool visible) {
  ControlAt(form, control).visible = visible;
  NoteControl(form, control, visible ? "shown" : "hidden");
}

void HeadlessWindowSystem::SetControlChecked(FormHandle form, int control, bool checked) {
  ControlAt(form, control).checked = checked;
  NoteControl(form, control, checked ? "checked" : "cleared");
}

std::string HeadlessWindowSystem::ReadControlText(FormHandle form, int control) {
  return ControlAt(form, control).text;
}

TwipSize HeadlessWindowSystem::MeasureText(const FontSpec& font, const std::string& text) {
  const double character_width = font.size_points * (font.bold ? 11 : 10);
  const double line_height = std::round(font.size_points * 24);
  // The tick measures one text at many sizes: a long one has its lines counted once, and
  // short ones in between (the promotional messages) do not take its place.
  std::optional<TextLines> short_text;
  if (text.size() < kLongText) {
    short_text.emplace(text);
  } else if (text != measured_.text) {
    measured_ = TextLines(text);
  }
  const TextLines& lines = short_text ? *short_text : measured_;
  return {SaturatedTwips(std::round(lines.widest * character_width)),
          SaturatedTwips(lines.lines * line_height)};
}

void HeadlessWindowSystem::SetTimer(FormHandle form, int control, int interval_ms) {
  HeadlessControl& timer = ControlAt(form, control);
  if (timer.timer_interval == 0 && interval_ms == 0) return;
  timer.timer_interval = interval_ms;
  timer.timer_due = now_ms_ + interval_ms;
  NoteControl(form, control, interval_ms == 0 ? "stopped" : "counts " + std::to_string(interval_ms) + " ms");
}

void HeadlessWindowSystem::Advance(long long milliseconds) {
  const long long target = now_ms_ + milliseconds;
  while (!program_ended_) {
    // The earliest timer due by the target; among equals, the first created.
    FormHandle due_form = 0;
    int due_control = -1;
    long long due_time = target + 1;
    for (auto& [handle, form] : forms_) {
      for (std::size_t i = 0; i < form.controls.size(); ++i) {
        const HeadlessControl& control = form.controls[i];
        if (control.timer_interval > 0 && control.timer_due < due_time) {
          due_time = control.timer_due;
          due_form = handle;
          due_control = static_cast<int>(i);
        }
      }
    }
    if (due_control < 0) break;
    now_ms_ = due_time;
    HeadlessControl& timer = ControlAt(due_form, due_control);
    timer.timer_due = now_ms_ + timer.timer_interval;
    Deliver(due_form, {EventKind::kTimer, due_control});
  }
  if (!program_ended_) now_ms_ = target;
}

void HeadlessWindowSystem::KeyDown(Key key, int shift) {
  if (shown_order_.empty() || program_ended_ || Blocked(shown_order_.back())) return;
  const FormHandle active = shown_order_.back();
  HeadlessForm& form = FormAt(active);
  const int focused = form.focused.empty() ? UiEvent::kFormItself : IndexIn(form, form.focused);
  if (form.sink->HandleDialogKey(focused, key, shift)) return;
  UiEvent event{EventKind::kKeyDown};
  event.key = key;
  event.shift = shift;
  DeliverInput(active, event, "");
  // Alt+F4 is the system's close request, unless the form keeps system keys for itself.
  const bool alt_f4 = key == Key::kF4 && (shift & kAltShift) != 0;
  if (alt_f4 && forms_.count(active) != 0 && !FormAt(active).design.role.keeps_system_keys) {
    DeliverInput(active, {EventKind::kClose}, "");
  }
}

void HeadlessWindowSystem::TypeCharacter(char character) {
  if (!shown_order_.empty()) {
    HeadlessForm& active = FormAt(shown_order_.back());
    if (!active.focused.empty()) {
      HeadlessControl& focused = active.controls.at(IndexIn(active, active.focused));
      if (focused.design.kind == ControlKind::kTextBox) {
        focused.text += character;
        Note(active.design.name + "." + active.focused, "typed " + Quoted(std::string(1, character)));
        return;
      }
    }
  }
  KeyDown(KeyTyping(character));
  UiEvent event{EventKind::kKeyPress};
  event.character = static_cast<unsigned char>(character);
  DeliverToActive(event, "");
}

void HeadlessWindowSystem::MoveMouse(const std::string& control_name) {
  DeliverToActive({EventKind::kMouseMove}, control_name);
}

void HeadlessWindowSystem::Click(const std::string& control_name) {
  if (shown_order_.empty()) return;
  const FormHandle form = shown_order_.back();
  PressIn(form, control_name);
  ReleaseIn(form, control_name);
}

void HeadlessWindowSystem::Press(const std::string& control_name) {
  if (!shown_order_.empty()) PressIn(shown_order_.back(), control_name);
}

void HeadlessWindowSystem::Release(const std::string& control_name) {
  if (pressed_form_ != 0) ReleaseIn(pressed_form_, control_name);
}

void HeadlessWindowSystem::LoseMouse() {
  if (program_ended_ || pressed_form_ == 0) return;
  const int pressed = pressed_control_.empty() ? UiEvent::kFormItself : IndexIn(FormAt(pressed_form_), pressed_control_);
  if (pressed >= 0 && TakesFocus(ControlAt(pressed_form_, pressed).design.kind)) {
    pressed_form_ = 0;
    return;
  }
  DeliverInput(pressed_form_, {EventKind::kMouseLost}, pressed_control_);
}

void HeadlessWindowSystem::PressIn(FormHandle form, const std::string& control_name) {
  if (program_ended_ || Blocked(form)) return;
  ActivateForm(form);
  pressed_form_ = form;
  pressed_control_ = control_name;
  const int index = control_name.empty() ? UiEvent::kFormItself : IndexIn(FormAt(form), control_name);
  const ControlKind kind = index < 0 ? ControlKind::kPictureBox : ControlAt(form, index).design.kind;
  if (TakesFocus(kind)) SetFocus(form, index);
  if (TakesFocus(kind) || !forms_.contains(form)) return;
  UiEvent press{EventKind::kMouseDown};
  press.buttons = 1;
  DeliverInput(form, press, control_name);
}

void HeadlessWindowSystem::ReleaseIn(FormHandle form, const std::string& control_name) {
  if (program_ended_ || form != pressed_form_ || Blocked(form)) return;
  pressed_form_ = 0;
  const int pressed = pressed_control_.empty() ? UiEvent::kFormItself : IndexIn(FormAt(form), pressed_control_);
  if (pressed >= 0 && IsButtonKind(ControlAt(form, pressed).design.kind)) {
    if (control_name == pressed_control_) Deliver(form, {EventKind::kClick, pressed});
    return;
  }
  if (pressed >= 0 && ControlAt(form, pressed).design.kind == ControlKind::kTextBox) return;
  UiEvent release{EventKind::kMouseUp};
  release.buttons = 1;
  DeliverInput(form, release, control_name);
}

const HeadlessForm* HeadlessWindowSystem::FindForm(const std::string& form_name) const {
  for (const auto& [handle, form] : forms_) {
    if (form.design.name == form_name) return &form;
  }
  return nullptr;
}

const HeadlessControl& HeadlessWindowSystem::ControlOf(const std::string& form_name,
                                                       const std::string& control_name) const {
  const HeadlessForm* form = FindForm(form_name);
  if (form != nullptr) {
    for (const HeadlessControl& control : form->controls) {
      if (control.design.name == control_name) return control;
    }
  }
  throw std::logic_error("no control " + form_name + "." + control_name);
}

bool HeadlessWindowSystem::IsShown(const std::string& form_name) const {
  const HeadlessForm* form = FindForm(form_name);
  return form != nullptr && form->shown;
}

HeadlessForm& HeadlessWindowSystem::FormAt(FormHandle form) {
  const auto found = forms_.find(form);
  if (found == forms_.end()) throw std::logic_error("no such form");
  return found->second;
}

HeadlessControl& HeadlessWindowSystem::ControlAt(FormHandle form, int control) {
  return FormAt(form).controls.at(static_cast<std::size_t>(control));
}

void HeadlessWindowSystem::Note(const std::string& form_name, const std::string& what) {
  journal.push_back(std::to_string(now_ms_) + " ms: " + form_name + " " + what);
}

void HeadlessWindowSystem::NoteControl(FormHandle form, int control, const std::string& what) {
  Note(FormAt(form).design.name + "." + ControlAt(form, control).design.name, what);
}

void HeadlessWindowSystem::Deliver(FormHandle form, const UiEvent& event) {
  if (program_ended_) return;
  try {
    FormAt(form).sink->HandleEvent(event);
  } catch (const ProgramEnded&) {
    program_ended_ = true;
    journal.push_back(std::to_string(now_ms_) + " ms: program ended");
  }
}

void HeadlessWindowSystem::DeliverToActive(UiEvent event, const std::string& control_name) {
  if (shown_order_.empty()) return;
  DeliverInput(shown_order_.back(), event, control_name);
}

void HeadlessWindowSystem::DeliverInput(FormHandle form, UiEvent event,
                                        const std::string& control_name) {
  if (program_ended_ || Blocked(form)) return;
  if (!control_name.empty()) event.control = IndexIn(FormAt(form), control_name);
  Deliver(form, event);
}

int HeadlessWindowSystem::IndexIn(const HeadlessForm& form, const std::string& control_name) const {
  const auto match = std::find_if(form.controls.begin(), form.controls.end(),
                                  [&](const HeadlessControl& c) { return c.design.name == control_name; });
  if (match == form.controls.end()) throw std::logic_error("no control " + control_name);
  return static_cast<int>(match - form.controls.begin());
}

bool HeadlessWindowSystem::Blocked(FormHandle form) const {
  return std::any_of(forms_.begin(), forms_.end(),
                     [&](const auto& entry) { return entry.second.modal_owner == form; });
}

void HeadlessWindowSystem::ClickIn(const std::string& form_name, const std::string& control_name) {
  const FormHandle form = HandleOf(form_name);
  PressIn(form, control_name);
  ReleaseIn(form, control_name);
}

void HeadlessWindowSystem::Activate(const std::string& form_name) {
  const FormHandle form = HandleOf(form_name);
  if (!program_ended_ && !Blocked(form)) ActivateForm(form);
}

void HeadlessWindowSystem::Close(const std::string& form_name) {
  DeliverInput(HandleOf(form_name), {EventKind::kClose}, "");
}

FormHandle HeadlessWindowSystem::HandleOf(const std::string& form_name) const {
  for (const auto& [handle, form] : forms_) {
    if (form.design.name == form_name) return handle;
  }
  throw std::logic_error("no form " + form_name);
}

void HeadlessWindowSystem::TypeInto(const std::string& control_name, const std::string& text) {
  if (shown_order_.empty()) return;
  HeadlessForm& form = FormAt(shown_order_.back());
  form.controls.at(IndexIn(form, control_name)).text = text;
  Note(form.design.name + "." + control_name, "typed " + Quoted(text));
}

void HeadlessWindowSystem::PressEscape() {
  KeyDown(Key::kEscape);
  if (shown_order_.empty() || !FormAt(shown_order_.back()).design.role.takes_dialog_keys) return;
  for (const HeadlessControl& control : FormAt(shown_order_.back()).controls) {
    if (control.design.cancel) return Click(control.design.name);
  }
}

void HeadlessWindowSystem::PressAccelerator(char letter) {
  KeyDown(KeyTyping(letter), kAltShift);
}

std::string HeadlessWindowSystem::ActiveFormName() const {
  if (shown_order_.empty()) return "";
  return forms_.at(shown_order_.back()).design.name;
}

std::string HeadlessWindowSystem::FocusedControl() const {
  if (shown_order_.empty()) return "";
  return forms_.at(shown_order_.back()).focused;
}
