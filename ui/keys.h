// The keys the program tells apart, named by the program. Each home maps its own key codes
// to these once, in a table at its edge; a key the program has no name for arrives as kNone.
// Letters and digits are numbered by their capitals' ASCII codes, as the accelerators compare
// them with a caption's marked letter; the other numbers are the program's own.
#pragma once

enum class Key : int {
  kNone = 0,
  kBackspace = 0x08,
  kTab = 0x09,
  kEnter = 0x0D,
  kShift = 0x10,
  kControl = 0x11,
  kAlt = 0x12,
  kPause = 0x13,
  kEscape = 0x1B,
  kSpace = 0x20,
  kPageUp = 0x21,
  kPageDown = 0x22,
  kEnd = 0x23,
  kHome = 0x24,
  kLeft = 0x25,
  kUp = 0x26,
  kRight = 0x27,
  kDown = 0x28,
  kInsert = 0x2D,
  kDelete = 0x2E,
  kSystemLeft = 0x5B,   // the keys with the system's own logo
  kSystemRight = 0x5C,
  kF1 = 0x70,
  kF4 = 0x73,
};

// The key of a capital letter 'A' to 'Z', a digit '0' to '9', or function key 1 to 24.
constexpr Key LetterKey(char capital) { return static_cast<Key>(capital); }
constexpr Key DigitKey(char digit) { return static_cast<Key>(digit); }
constexpr Key FunctionKey(int number) { return static_cast<Key>(static_cast<int>(Key::kF1) + number - 1); }

