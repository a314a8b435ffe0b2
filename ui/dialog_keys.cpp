// The keys of the dialog keyboard and what each one does, on the focus rules.
#include "ui/dialog_keys.h"

#include <cctype>

namespace {

constexpr int kTab = 9;
constexpr int kEnter = 13;
constexpr int kLeft = 37;
constexpr int kUp = 38;
constexpr int kDown = 40;
constexpr int kShift = 1;
constexpr int kCtrl = 2;
constexpr int kAlt = 4;

// The letter a caption marks with "&" for its accelerator, upper case; 0 when none ("&&"
// shows one ampersand and marks nothing).
int MarkedLetter(const std::string& caption) {
  for (std::size_t i = 0; i + 1 < caption.size(); ++i) {
    if (caption[i] != '&') continue;
    if (caption[i + 1] != '&') return std::toupper(static_cast<unsigned char>(caption[i + 1]));
    ++i;
  }
  return 0;
}

// Alt and a letter: a button is pressed where the focus is, and the focus stays; an option
// or the check box takes the focus and is clicked.
std::optional<DialogKeyAction> Accelerator(const FormDesign& design, const std::vector<FocusFacts>& facts,
                                           int key_code) {
  for (const std::vector<int>& stop : FocusStops(design, facts)) {
    for (int control : stop) {
      const ControlDesign& marked = design.controls[control];
      if (MarkedLetter(marked.caption) != key_code) continue;
      if (marked.kind == ControlKind::kCommandButton) return DialogKeyAction{control, -1};
      return DialogKeyAction{control, control};
    }
  }
  return std::nullopt;
}

}  // namespace

std::optional<DialogKeyAction> DialogKey(const FormDesign& design, const std::vector<FocusFacts>& facts,
                                         int focused, int key_code, int shift) {
  if (FirstFocus(design, facts) < 0) return std::nullopt;
  const ControlKind kind = focused >= 0 ? design.controls[focused].kind : ControlKind::kLabel;
  if ((shift & (kCtrl | kAlt)) == kAlt) return Accelerator(design, facts, key_code);
  if ((shift & (kCtrl | kAlt)) != 0) return std::nullopt;
  if (key_code == kTab) return DialogKeyAction{-1, NextStop(design, facts, focused, (shift & kShift) != 0)};
  // Enter presses the button holding the focus; there is no default button to press else.
  if (key_code == kEnter) {
    return DialogKeyAction{kind == ControlKind::kCommandButton ? focused : -1, -1};
  }
  if (key_code < kLeft || key_code > kDown || focused < 0) return std::nullopt;
  // The arrows move the caret in a text box, through an option group (selecting the option
  // they come to) and nowhere from a button or the check box.
  if (kind == ControlKind::kTextBox) return std::nullopt;
  const std::optional<int> option = GroupNeighbour(design, facts, focused, key_code == kLeft || key_code == kUp);
  if (!option) return DialogKeyAction{};
  return DialogKeyAction{facts[*option].selected ? -1 : *option, *option};
}
