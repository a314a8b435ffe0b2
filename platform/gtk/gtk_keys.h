// Keys as the forms know them: GDK's key values by the program's names, and the modifiers
// held as the forms' shift state.
#pragma once

#include <gdk/gdk.h>

#include "ui/keys.h"

// The program's name for a key; kNone for keys it has no name for.
Key KeyOf(guint keyval);

// 1 Shift, 2 Ctrl, 4 Alt, added together.
int ShiftStateOf(guint modifiers);
