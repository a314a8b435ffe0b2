// The key table of the page: letters and digits by their capitals, the function keys, and
// the keys of the dialog keyboard and the editing keys by their names.
#include "platform/web/web_keys.h"

Key KeyOfKeyCode(int key_code) {
  if (key_code >= 'A' && key_code <= 'Z') return LetterKey(static_cast<char>(key_code));
  if (key_code >= '0' && key_code <= '9') return DigitKey(static_cast<char>(key_code));
  constexpr int kFirstFunctionKey = 112;
  constexpr int kLastFunctionKey = 135;
  if (key_code >= kFirstFunctionKey && key_code <= kLastFunctionKey) return FunctionKey(key_code - kFirstFunctionKey + 1);
  switch (key_code) {
    case 8: return Key::kBackspace;
    case 9: return Key::kTab;
    case 13: return Key::kEnter;
    case 16: return Key::kShift;
    case 17: return Key::kControl;
    case 18: return Key::kAlt;
    case 19: return Key::kPause;
    case 27: return Key::kEscape;
    case 32: return Key::kSpace;
    case 33: return Key::kPageUp;
    case 34: return Key::kPageDown;
    case 35: return Key::kEnd;
    case 36: return Key::kHome;
    case 37: return Key::kLeft;
    case 38: return Key::kUp;
    case 39: return Key::kRight;
    case 40: return Key::kDown;
    case 45: return Key::kInsert;
    case 46: return Key::kDelete;
    case 91: return Key::kSystemLeft;
    case 92: return Key::kSystemRight;
    default: return Key::kNone;
  }
}
