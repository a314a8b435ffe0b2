// Mouse and keyboard messages turned into the form's events. Each handler delivers at most
// one event as its last act: the program may destroy the form inside the delivery, so
// nothing of the form is touched after it.
#pragma once

#include <windows.h>

#include "platform/win32/win32_live_form.h"

// Handles a mouse message of a window standing for `control`, the loss of the mouse
// included; `point` is in the client coordinates of `window`. False when the message is
// not mouse input or still needs its default handling.
bool HandleMouseInput(Win32Form& form, int control, HWND window, POINT point, UINT message,
                      WPARAM wparam);

// Handles a key message of a window of the form: downs and characters go to the form
// itself. False when the message is not a key.
bool HandleKeyInput(Win32Form& form, UINT message, WPARAM wparam);

// 1 Shift, 2 Ctrl, 4 Alt, as the keyboard stands while the message is handled.
int ShiftState();

// The program's name for a virtual key; kNone for a key it has no name for.
Key KeyOfVirtualKey(WPARAM virtual_key);

// True for the keys whose default handling opens a window menu or closes the window.
bool IsSystemKeyMessage(UINT message);

// The point a mouse message carries.
POINT PointOf(LPARAM lparam);
