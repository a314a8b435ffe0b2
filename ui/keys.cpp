// Telling a key's number from one no key has.
#include "ui/keys.h"

#include <array>

namespace {

constexpr std::array kNamedKeys{
    Key::kBackspace, Key::kTab,    Key::kEnter,    Key::kShift, Key::kControl, Key::kAlt,
    Key::kPause,     Key::kEscape, Key::kSpace,    Key::kPageUp, Key::kPageDown, Key::kEnd,
    Key::kHome,      Key::kLeft,   Key::kUp,       Key::kRight, Key::kDown,    Key::kInsert,
    Key::kDelete,    Key::kSystemLeft, Key::kSystemRight,
};

bool Within(int number, Key first, Key last) {
  return number >= static_cast<int>(first) && number <= static_cast<int>(last);
}

}  // namespace

Key KeyNumbered(int number) {
  if (Within(number, Key::kLetterA, Key::kLetterZ) || Within(number, Key::kDigit0, Key::kDigit9) ||
      Within(number, Key::kF1, Key::kF24)) {
    return static_cast<Key>(number);
  }
  for (const Key key : kNamedKeys) {
    if (static_cast<int>(key) == number) return key;
  }
  return Key::kNone;
}
