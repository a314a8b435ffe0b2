// Input in the program's own windows handed to the toolkit: keys with Windows' key codes,
// the mouse buttons by Windows' numbers, and the pointer's moves.
#include <X11/Xutil.h>
#include <X11/keysym.h>

#include "platform/x11/x11_window_system.h"

namespace {

// The virtual-key code Windows gives a key; 0 for keys the program has no name for.
int VirtualKeyOf(KeySym key) {
  if (key >= XK_a && key <= XK_z) return static_cast<int>('A' + (key - XK_a));
  if (key >= XK_A && key <= XK_Z) return static_cast<int>('A' + (key - XK_A));
  if (key >= XK_0 && key <= XK_9) return static_cast<int>('0' + (key - XK_0));
  if (key >= XK_F1 && key <= XK_F24) return static_cast<int>(0x70 + (key - XK_F1));
  switch (key) {
    case XK_BackSpace: return 0x08;
    case XK_Tab:
    case XK_ISO_Left_Tab: return 0x09;
    case XK_Return:
    case XK_KP_Enter: return 0x0D;
    case XK_Shift_L:
    case XK_Shift_R: return 0x10;
    case XK_Control_L:
    case XK_Control_R: return 0x11;
    case XK_Alt_L:
    case XK_Alt_R:
    case XK_Meta_L:
    case XK_Meta_R: return 0x12;
    case XK_Pause: return 0x13;
    case XK_Escape: return 0x1B;
    case XK_space: return 0x20;
    case XK_Prior: return 0x21;
    case XK_Next: return 0x22;
    case XK_End: return 0x23;
    case XK_Home: return 0x24;
    case XK_Left: return 0x25;
    case XK_Up: return 0x26;
    case XK_Right: return 0x27;
    case XK_Down: return 0x28;
    case XK_Insert: return 0x2D;
    case XK_Delete: return 0x2E;
    case XK_Super_L: return 0x5B;
    case XK_Super_R: return 0x5C;
    default: return 0;
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
      KeyWentDown(handle, VirtualKeyOf(symbol), ShiftStateOf(key.state),
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
