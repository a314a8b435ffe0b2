// Input messages to events: positions in twips in the receiving window's coordinates, the
// shift keys from the keyboard state, and mouse moves only when the pointer really moved.
#include "platform/win32/win32_input_events.h"

#include <windowsx.h>

namespace {

int ButtonsHeld(WPARAM wparam) {
  return ((wparam & MK_LBUTTON) ? 1 : 0) | ((wparam & MK_RBUTTON) ? 2 : 0) |
         ((wparam & MK_MBUTTON) ? 4 : 0);
}

// Windows also sends WM_MOUSEMOVE when a window appears, hides or moves under a still
// pointer; only a change of the pointer's place on the screen is a move.
bool PointerMoved(Win32Form& form, HWND window, POINT point) {
  ClientToScreen(window, &point);
  if (point.x == form.last_pointer.x && point.y == form.last_pointer.y) return false;
  form.last_pointer = point;
  return true;
}

UiEvent MouseEvent(const Win32Form& form, EventKind kind, int control, POINT point, int buttons) {
  UiEvent event{kind, control};
  event.shift = ShiftState();
  event.buttons = buttons;
  event.x = form.gdi->ToTwips(point.x);
  event.y = form.gdi->ToTwips(point.y);
  return event;
}

}  // namespace

Key KeyOfVirtualKey(WPARAM virtual_key) {
  if (virtual_key >= 'A' && virtual_key <= 'Z') return LetterKey(static_cast<char>(virtual_key));
  if (virtual_key >= '0' && virtual_key <= '9') return DigitKey(static_cast<char>(virtual_key));
  if (virtual_key >= VK_F1 && virtual_key <= VK_F24) return FunctionKey(static_cast<int>(virtual_key - VK_F1) + 1);
  switch (virtual_key) {
    case VK_BACK: return Key::kBackspace;
    case VK_TAB: return Key::kTab;
    case VK_RETURN: return Key::kEnter;
    case VK_SHIFT: return Key::kShift;
    case VK_CONTROL: return Key::kControl;
    case VK_MENU: return Key::kAlt;
    case VK_PAUSE: return Key::kPause;
    case VK_ESCAPE: return Key::kEscape;
    case VK_SPACE: return Key::kSpace;
    case VK_PRIOR: return Key::kPageUp;
    case VK_NEXT: return Key::kPageDown;
    case VK_END: return Key::kEnd;
    case VK_HOME: return Key::kHome;
    case VK_LEFT: return Key::kLeft;
    case VK_UP: return Key::kUp;
    case VK_RIGHT: return Key::kRight;
    case VK_DOWN: return Key::kDown;
    case VK_INSERT: return Key::kInsert;
    case VK_DELETE: return Key::kDelete;
    case VK_LWIN: return Key::kSystemLeft;
    case VK_RWIN: return Key::kSystemRight;
    default: return Key::kNone;
  }
}

int ShiftState() {
  return (GetKeyState(VK_SHIFT) < 0 ? 1 : 0) | (GetKeyState(VK_CONTROL) < 0 ? 2 : 0) |
         (GetKeyState(VK_MENU) < 0 ? 4 : 0);
}

POINT PointOf(LPARAM lparam) { return {GET_X_LPARAM(lparam), GET_Y_LPARAM(lparam)}; }

bool HandleMouseInput(Win32Form& form, int control, HWND window, POINT point, UINT message,
                      WPARAM wparam) {
  EventKind kind = EventKind::kMouseDown;
  int button = 0;
  switch (message) {
    case WM_MOUSEMOVE:
      if (PointerMoved(form, window, point)) {
        Deliver(form, MouseEvent(form, EventKind::kMouseMove, control, point, ButtonsHeld(wparam)));
      }
      return true;
    // Labels' windows count double clicks; the second press is a press all the same.
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK: button = 1; break;
    case WM_RBUTTONDOWN:
    case WM_RBUTTONDBLCLK: button = 2; break;
    case WM_MBUTTONDOWN:
    case WM_MBUTTONDBLCLK: button = 4; break;
    case WM_LBUTTONUP: kind = EventKind::kMouseUp; button = 1; break;
    case WM_RBUTTONUP: kind = EventKind::kMouseUp; button = 2; break;
    case WM_MBUTTONUP: kind = EventKind::kMouseUp; button = 4; break;
    // The mouse taken from the window in the middle of a press, by another window or by
    // the system (a box opening, the user switching windows): the press counts no more.
    case WM_CAPTURECHANGED:
      if (!form.releasing_capture) Deliver(form, {EventKind::kMouseLost, control});
      return true;
    case WM_CANCELMODE:
      Deliver(form, {EventKind::kMouseLost, control});
      return false;  // the default handling gives the mouse back
    default: return false;
  }
  if (kind == EventKind::kMouseDown) {
    // The window keeps the mouse until the release, so that the release comes back to it
    // wherever the pointer has gone.
    SetCapture(window);
  } else {
    if (GetCapture() == window) {
      form.releasing_capture = true;
      ReleaseCapture();
      form.releasing_capture = false;
    }
    RECT client;
    GetClientRect(window, &client);
    if (!PtInRect(&client, point)) control = UiEvent::kElsewhere;
  }
  Deliver(form, MouseEvent(form, kind, control, point, button));
  return true;
}

bool HandleKeyInput(Win32Form& form, UINT message, WPARAM wparam) {
  UiEvent event;
  switch (message) {
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
      event.kind = EventKind::kKeyDown;
      event.key = KeyOfVirtualKey(wparam);
      break;
    case WM_CHAR:
    case WM_SYSCHAR:
      event.kind = EventKind::kKeyPress;
      event.character = static_cast<int>(wparam);
      break;
    default: return false;
  }
  event.shift = ShiftState();
  Deliver(form, event);
  return true;
}

bool IsSystemKeyMessage(UINT message) {
  return message == WM_SYSKEYDOWN || message == WM_SYSKEYUP || message == WM_SYSCHAR;
}
