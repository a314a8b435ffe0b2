// Input in the program's own windows handed to the toolkit: keys by the program's names,
// the mouse buttons by Windows' numbers, and the pointer's moves.
#include <X11/Xutil.h>
#include <X11/keysym.h>

#include "platform/x11/x11_window_system.h"

namespace {

// The program's name for a key; kNone for keys it has no name for.
Key KeyOf(KeySym key) {
  if (key >= XK_a && key <= XK_z) return LetterKey(static_cast<char>('A' + (key - XK_a)));
  if (key >= XK_A && key <= XK_Z) return LetterKey(static_cast<char>('A' + (key - XK_A)));
  if (key >= XK_0 && key <= XK_9) return DigitKey(static_cast<char>('0' + (key - XK_0)));
  if (key >= XK_F1 && key <= XK_F24) return FunctionKey(static_cast<int>(key - XK_F1) + 1);
  switch (key) {
    case XK_BackSpace: return Key::kBackspace;
    case XK_Tab:
    case XK_ISO_Left_Tab: return Key::kTab;
    case XK_Return:
    case XK_KP_Enter: return Key::kEnter;
    case XK_Shift_L:
    case XK_Shift_R: return Key::kShift;
    case XK_Control_L:
    case XK_Control_R: return Key::kControl;
    case XK_Alt_L:
    case XK_Alt_R:
    case XK_Meta_L:
    case XK_Meta_R: return Key::kAlt;
    case XK_Pause: return Key::kPause;
    case XK_Escape: return Key::kEscape;
    case XK_space: return Key::kSpace;
    case XK_Prior: return Key::kPageUp;
    case XK_Next: return Key::kPageDown;
    case XK_End: return Key::kEnd;
    case XK_Home: return Key::kHome;
    case XK_Left: return Key::kLeft;
    case XK_Up: return Key::kUp;
    case XK_Right: return Key::kRight;
    case XK_Down: return Key::kDown;
    case XK_Insert: return Key::kInsert;
    case XK_Delete: return Key::kDelete;
    case XK_Super_L: return Key::kSystemLeft;
    case XK_Super_R: return Key::kSystemRight;
    default: return Key::kNone;
  }
}

int ShiftStateOf(unsigned int state) {
  return ((state & ShiftMask) ? 1 : 0) | ((state & ControlMask) ? 2 : 0) | ((state & Mod1Mask) ? 4 : 0);
}

// Windows' numbering of the mouse buttons (1 left, 2 right, 4 middle); 0 for the wheel.
int ButtonOf(unsigned int button) {
  switch (button) {
    case Button1: return 1;
    case Button2: return 4;
    case Button3: return 2;
    default: return 0;
  }
}

}  // namespace

void X11WindowSystem::HandleInput(FormHandle handle, XEvent& event) {
  switch (event.type) {
    case KeyPress: {
      XKeyEvent& key = event.xkey;
      char typed[8];
      KeySym symbol = NoSymbol;
      const int length = XLookupString(&key, typed, sizeof typed, &symbol, nullptr);
      KeyWentDown(handle, KeyOf(symbol), ShiftStateOf(key.state),
                  length == 1 ? static_cast<unsigned char>(typed[0]) : 0);
      return;
    }
    case MotionNotify: {
      const XMotionEvent& motion = event.xmotion;
      const int held = ((motion.state & Button1Mask) ? 1 : 0) | ((motion.state & Button3Mask) ? 2 : 0) |
                       ((motion.state & Button2Mask) ? 4 : 0);
      PointerMoved(handle, motion.x, motion.y, motion.x_root, motion.y_root, held, ShiftStateOf(motion.state));
      return;
    }
    case ButtonPress:
    case ButtonRelease: {
      const XButtonEvent& button = event.xbutton;
      const int pressed = ButtonOf(button.button);
      if (pressed == 0) return;
      if (event.type == ButtonPress) {
        PointerPressed(handle, button.x, button.y, pressed, ShiftStateOf(button.state));
      } else {
        PointerReleased(handle, button.x, button.y, pressed, ShiftStateOf(button.state));
      }
      return;
    }
  }
}
