// Keys as the forms know them: GDK's key values as Windows' virtual-key codes, and the
// modifiers held as the forms' shift state.
#pragma once

#include <gdk/gdk.h>

// The virtual-key code of a key; 0 for keys the program has no name for.
int VirtualKeyOf(guint keyval);

// 1 Shift, 2 Ctrl, 4 Alt, added together.
int ShiftStateOf(guint modifiers);
