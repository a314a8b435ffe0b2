// The key table: letters and digits by their capitals, the keys of the dialog keyboard and
// the editing keys by Windows' numbers.
#include "platform/gtk/gtk_keys.h"

int VirtualKeyOf(guint keyval) {
  if (keyval >= GDK_KEY_a && keyval <= GDK_KEY_z) return static_cast<int>('A' + (keyval - GDK_KEY_a));
  if (keyval >= GDK_KEY_A && keyval <= GDK_KEY_Z) return static_cast<int>('A' + (keyval - GDK_KEY_A));
  if (keyval >= GDK_KEY_0 && keyval <= GDK_KEY_9) return static_cast<int>('0' + (keyval - GDK_KEY_0));
  if (keyval >= GDK_KEY_F1 && keyval <= GDK_KEY_F24) return static_cast<int>(0x70 + (keyval - GDK_KEY_F1));
  switch (keyval) {
    case GDK_KEY_BackSpace: return 0x08;
    case GDK_KEY_Tab:
    case GDK_KEY_ISO_Left_Tab:
    case GDK_KEY_KP_Tab: return 0x09;
    case GDK_KEY_Return:
    case GDK_KEY_KP_Enter:
    case GDK_KEY_ISO_Enter: return 0x0D;
    case GDK_KEY_Escape: return 0x1B;
    case GDK_KEY_space: return 0x20;
    case GDK_KEY_Page_Up: return 0x21;
    case GDK_KEY_Page_Down: return 0x22;
    case GDK_KEY_End: return 0x23;
    case GDK_KEY_Home: return 0x24;
    case GDK_KEY_Left:
    case GDK_KEY_KP_Left: return 0x25;
    case GDK_KEY_Up:
    case GDK_KEY_KP_Up: return 0x26;
    case GDK_KEY_Right:
    case GDK_KEY_KP_Right: return 0x27;
    case GDK_KEY_Down:
    case GDK_KEY_KP_Down: return 0x28;
    case GDK_KEY_Insert: return 0x2D;
    case GDK_KEY_Delete: return 0x2E;
    default: return 0;
  }
}

int ShiftStateOf(guint modifiers) {
  return ((modifiers & GDK_SHIFT_MASK) ? 1 : 0) | ((modifiers & GDK_CONTROL_MASK) ? 2 : 0) |
         ((modifiers & GDK_MOD1_MASK) ? 4 : 0);
}
