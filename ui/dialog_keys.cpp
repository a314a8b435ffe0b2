// The keys of the dialog keyboard and what each one does, on the focus rules.
#include "ui/dialog_keys.h"

#include <cctype>

namespace {

constexpr int kShift = 1;
constexpr int kCtrl = 2;
constexpr int kAlt = 4;

// The key of the letter or digit a caption marks with "&" for its accelerator; kNone when
// none ("&&" shows one ampersand and marks nothing).
Key MarkedKey(const std::string& caption) {
  for (std::size_t i = 0; i + 1 < caption.size(); ++i) {
    if (caption[i] != '&') continue;
    if (caption[i + 1] == '&') {
      ++i;
      continue;
    }
    const char marked = static_cast<char>(std::toupper(static_cast<unsigned char>(caption[i + 1])));
    if (marked >= 'A' && marked <= 'Z') return LetterKey(marked);
    if (marked >= '0' && marked <= '9') return DigitKey(marked);
    return Key::kNone;
  }
  return Key::kNone;
}

// Alt and a letter: a button is pressed where the focus is, and the focus stays; an option
// or the check box takes the focus and is clicked.
std::optional<DialogKeyAction> Accelerator(const FormDesign& design, const std::vector<FocusFacts>& facts,
                                           Key key) {
  for (const std::vector<int>& stop : FocusStops(design, facts)) {
    for (int control : stop) {
      const ControlDesign& marked = design.controls[control];
      if (key == Key::kNone || MarkedKey(marked.caption) != key) continue;
      if (marked.kind == ControlKind::kCommandButton) return DialogKeyAction{control, -1};
      return DialogKeyAction{control, control};
    }
  }
  return std::nullopt;
}

}  // namespace

std::optional<DialogKeyAction> DialogKey(const FormDesign& design, const std::vector<FocusFacts>& facts,
                                         int focused, Key key, int shift) {
  if (FirstFocus(design, facts) < 0) return std::nullopt;
  const ControlKind kind = focused >= 0 ? design.controls[focused].kind : ControlKind::kLabel;
  if ((shift & (kCtrl | kAlt)) == kAlt) return Accelerator(design, facts, key);
  if ((shift & (kCtrl | kAlt)) != 0) return std::nullopt;
  if (key == Key::kTab) return DialogKeyAction{-1, NextStop(design, facts, focused, (shift & kShift) != 0)};
  // Enter presses the button holding the focus; there is no default button to press else.
  if (key == Key::kEnter) {
    return DialogKeyAction{kind == ControlKind::kCommandButton ? focused : -1, -1};
  }
  const bool arrow = key == Key::kLeft || key == Key::kUp || key == Key::kRight || key == Key::kDown;
  if (!arrow || focused < 0) return std::nullopt;
  // The arrows move the caret in a text box, through an option group (selecting the option
  // they come to) and nowhere from a button or the check box.
  if (kind == ControlKind::kTextBox) return std::nullopt;
  const std::optional<int> option = GroupNeighbour(design, facts, focused, key == Key::kLeft || key == Key::kUp);
  if (!option) return DialogKeyAction{};
  return DialogKeyAction{facts[*option].selected ? -1 : *option, *option};
}
