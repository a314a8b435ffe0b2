// The window classes of the Win32 toolkit and the procedures behind them: they turn the
// messages of a form, its picture boxes, its labels and its monitor covers into events for
// the form's sink, and paint the backgrounds the designs ask for.
#pragma once

#include <windows.h>

#include "platform/win32/win32_live_form.h"

inline constexpr const wchar_t* kFormClass = L"ZorbelForm";
inline constexpr const wchar_t* kPictureBoxClass = L"ZorbelPictureBox";
inline constexpr const wchar_t* kCoverClass = L"ZorbelCover";

// True for a window of the toolkit's form class.
bool IsFormWindow(HWND window);

// Form, picture box and cover windows take their Win32Form as the creation parameter. The
// classes are Unicode, so every window of the toolkit holds and shows its text wide.
void RegisterWindowClasses(HINSTANCE instance);

// Makes a STATIC window of the form report its mouse input as input on its control.
void WatchLabelInput(HWND label, Win32Form& form);

// Makes a control's window tell the form's sink when the focus comes to it.
void WatchFocus(HWND control, Win32Form& form);

// Offers a key going down in a window of one of the toolkit's forms to the form's dialog
// keys; true when the form took it and the message goes no further.
bool OfferFocusKey(const MSG& message);
