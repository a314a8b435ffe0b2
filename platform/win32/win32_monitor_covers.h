// Black top-most windows over every monitor but the primary one, put up while the saver's
// whole-screen form shows. They belong to the form: input on them is input on it.
#pragma once

#include <windows.h>

#include "platform/win32/win32_live_form.h"

void CoverOtherMonitors(Win32Form& form, HINSTANCE instance);
void RemoveCovers(Win32Form& form);
