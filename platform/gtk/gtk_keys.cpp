// The key table: letters and digits by their capitals, the keys of the dialog keyboard and
// the editing keys by their names.
#include "platform/gtk/gtk_keys.h"

Key KeyOf(guint keyval) {
  if (keyval >= GDK_KEY_a && keyval <= GDK_KEY_z) return LetterKey(static_cast<char>('A' + (keyval - GDK_KEY_a)));
  if (keyval >= GDK_KEY_A && keyval <= GDK_KEY_Z) return LetterKey(static_cast<char>('A' + (keyval - GDK_KEY_A)));
  if (keyval >= GDK_KEY_0 && keyval <= GDK_KEY_9) return DigitKey(static_cast<char>('0' + (keyval - GDK_KEY_0)));
  if (keyval >= GDK_KEY_F1 && keyval <= GDK_KEY_F24) return FunctionKey(static_cast<int>(keyval - GDK_KEY_F1) + 1);
  switch (keyval) {
    case GDK_KEY_BackSpace: return Key::kBackspace;
    case GDK_KEY_Tab:
    case GDK_KEY_ISO_Left_Tab:
    case GDK_KEY_KP_Tab: return Key::kTab;
    case GDK_KEY_Return:
    case GDK_KEY_KP_Enter:
    case GDK_KEY_ISO_Enter: return Key::kEnter;
    case GDK_KEY_Escape: return Key::kEscape;
    case GDK_KEY_space: return Key::kSpace;
    case GDK_KEY_Page_Up: return Key::kPageUp;
    case GDK_KEY_Page_Down: return Key::kPageDown;
    case GDK_KEY_End: return Key::kEnd;
    case GDK_KEY_Home: return Key::kHome;
    case GDK_KEY_Left:
    case GDK_KEY_KP_Left: return Key::kLeft;
    case GDK_KEY_Up:
    case GDK_KEY_KP_Up: return Key::kUp;
    case GDK_KEY_Right:
    case GDK_KEY_KP_Right: return Key::kRight;
    case GDK_KEY_Down:
    case GDK_KEY_KP_Down: return Key::kDown;
    case GDK_KEY_Insert: return Key::kInsert;
    case GDK_KEY_Delete: return Key::kDelete;
    default: return Key::kNone;
  }
}

int ShiftStateOf(guint modifiers) {
  return ((modifiers & GDK_SHIFT_MASK) ? 1 : 0) | ((modifiers & GDK_CONTROL_MASK) ? 2 : 0) |
         ((modifiers & GDK_MOD1_MASK) ? 4 : 0);
}
