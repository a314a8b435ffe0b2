// Keys in the page: the number a browser's key event carries (its keyCode) by the program's
// name for the key. Letters and digits carry their capitals' codes there, which is what a
// dialog's accelerators compare.
#pragma once

#include "ui/keys.h"

// The program's name for the key a page's key event numbers; kNone for keys it has no name for.
Key KeyOfKeyCode(int key_code);
