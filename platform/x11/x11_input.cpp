// Input in the program's own windows turned into the forms' events: keys with Windows'
// key codes, presses and releases of the control under the pointer, and pointer moves only
// when the pointer really moved.
#include <X11/Xutil.h>
#include <X11/keysym.h>

#include "platform/x11/x11_live_form.h"
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

int X11WindowSystem::HitTest(const LiveForm& form, int x, int y) const {
  const auto design_x = static_cast<int>(DesignPixels(x));
  const auto design_y = static_cast<int>(DesignPixels(y));
  for (int i = static_cast<int>(form.controls.size()) - 1; i >= 0; --i) {
    if (form.controls[i].kind == ControlKind::kTimer || !Shown(form, i)) continue;
    XRectangle clip;
    BoxOf(form, i, &clip);
    if (Contains(clip, design_x, design_y)) return i;
  }
  return UiEvent::kFormItself;
}

void X11WindowSystem::HandleInput(FormHandle handle, XEvent& event) {
  LiveForm& form = *forms_.at(handle);
  UiEvent ui;
  switch (event.type) {
    case KeyPress:
      HandleKey(handle, event.xkey);
      return;
    case MotionNotify: {
      const XMotionEvent& motion = event.xmotion;
      if (motion.x_root == form.pointer_x && motion.y_root == form.pointer_y) return;
      form.pointer_x = motion.x_root;
      form.pointer_y = motion.y_root;
      ui.kind = EventKind::kMouseMove;
      ui.control = HitTest(form, motion.x, motion.y);
      ui.shift = ShiftStateOf(motion.state);
      ui.buttons = ((motion.state & Button1Mask) ? 1 : 0) | ((motion.state & Button3Mask) ? 2 : 0) |
                   ((motion.state & Button2Mask) ? 4 : 0);
      break;
    }
    case ButtonPress:
    case ButtonRelease: {
      const XButtonEvent& button = event.xbutton;
      ui.buttons = ButtonOf(button.button);
      if (ui.buttons == 0) return;
      ui.shift = ShiftStateOf(button.state);
      if (event.type == ButtonPress) {
        ui.kind = EventKind::kMouseDown;
        ui.control = form.pressed_control = HitTest(form, button.x, button.y);
      } else {
        // As a window that keeps the mouse from press to release: the release belongs to
        // the control pressed when it comes within it, else to none.
        ui.kind = EventKind::kMouseUp;
        XRectangle pressed{0, 0, ClampSize(DesignPixels(form.width)), ClampSize(DesignPixels(form.height))};
        if (form.pressed_control >= 0) BoxOf(form, form.pressed_control, &pressed);
        ui.control = Contains(pressed, static_cast<int>(DesignPixels(button.x)), static_cast<int>(DesignPixels(button.y)))
                         ? form.pressed_control
                         : UiEvent::kElsewhere;
      }
      break;
    }
    default:
      return;
  }
  const int x = event.type == MotionNotify ? event.xmotion.x : event.xbutton.x;
  const int y = event.type == MotionNotify ? event.xmotion.y : event.xbutton.y;
  const int target = ui.control >= 0 ? ui.control : UiEvent::kFormItself;
  const PixelBox origin = target >= 0 ? BoxOf(form, target) : PixelBox{0, 0, 0, 0};
  ui.x = ToTwips(DesignPixels(x) - origin.left);
  ui.y = ToTwips(DesignPixels(y) - origin.top);
  Deliver(handle, ui);
}

// A key goes first to the form's dialog rules, then down as a key and, when it types a
// character, as that character.
void X11WindowSystem::HandleKey(FormHandle handle, XKeyEvent& key) {
  char typed[8];
  KeySym symbol = NoSymbol;
  const int length = XLookupString(&key, typed, sizeof typed, &symbol, nullptr);
  UiEvent down{EventKind::kKeyDown};
  down.key_code = VirtualKeyOf(symbol);
  down.shift = ShiftStateOf(key.state);
  LiveForm& form = *forms_.at(handle);
  if (form.sink != nullptr && form.sink->HandleDialogKey(UiEvent::kFormItself, down.key_code, down.shift)) return;
  Deliver(handle, down);
  if (length != 1 || forms_.count(handle) == 0) return;
  UiEvent press{EventKind::kKeyPress};
  press.character = static_cast<unsigned char>(typed[0]);
  press.shift = down.shift;
  Deliver(handle, press);
}
