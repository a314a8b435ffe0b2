// The window procedures: backgrounds painted in the designs' colours, labels coloured by
// their container (transparent ones in the colour behind them), timers, input, activation
// and the focus passed on to the form's sink.
#include "platform/win32/win32_window_procs.h"

#include <commctrl.h>

#include <cwchar>

#include "platform/win32/win32_input_events.h"
#include "platform/win32/win32_proc_net.h"

namespace {

Win32Form* FormOf(HWND window) {
  return reinterpret_cast<Win32Form*>(GetWindowLongPtrW(window, GWLP_USERDATA));
}

// Form, picture box and cover windows keep their form from the creation parameter.
void KeepCreationForm(HWND window, UINT message, LPARAM lparam) {
  if (message != WM_NCCREATE) return;
  const auto* creation = reinterpret_cast<const CREATESTRUCTW*>(lparam);
  SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(creation->lpCreateParams));
}

// The design index of a control's window (its child id is the index plus kFirstControlId); -1 for a
// window that is not one of the form's controls.
int ControlIndexOf(const Win32Form& form, HWND child) {
  const int index = GetDlgCtrlID(child) - kFirstControlId;
  if (index < 0 || index >= static_cast<int>(form.controls.size())) return -1;
  return form.controls[index].window == child ? index : -1;
}

COLORREF ContainerColor(const Win32Form& form, int container) {
  if (container == UiEvent::kFormItself) return ColorRefOr(form.back_color, COLOR_WINDOW);
  return ColorRefOr(form.controls[container].back_color, COLOR_WINDOW);
}

COLORREF BackgroundBehind(const Win32Form& form, int control) {
  const Win32Control& label = form.controls[control];
  if (label.transparent) return ContainerColor(form, label.container);
  return ColorRefOr(label.back_color, COLOR_WINDOW);
}

// The colour a container window is filled with: the form's or its own control's.
COLORREF OwnColor(const Win32Form& form, HWND window) {
  return window == form.window ? ContainerColor(form, UiEvent::kFormItself)
                               : ContainerColor(form, ControlIndexOf(form, window));
}

void FillBackground(const Win32Form& form, HWND window, HDC dc, COLORREF color) {
  RECT client;
  GetClientRect(window, &client);
  FillRect(dc, &client, form.gdi->Brush(color));
}

// A label paints its own background with the brush returned here, and its text on the same
// colour, so a transparent label over a solid container shows the container's colour.
// Other static children (a frame's outline) take the colour of the window they lie in.
LRESULT ColorLabel(Win32Form& form, HWND window, WPARAM wparam, LPARAM lparam) {
  const int control = ControlIndexOf(form, reinterpret_cast<HWND>(lparam));
  HDC dc = reinterpret_cast<HDC>(wparam);
  if (control < 0) {
    const COLORREF own = OwnColor(form, window);
    SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
    SetBkColor(dc, own);
    return reinterpret_cast<LRESULT>(form.gdi->Brush(own));
  }
  const COLORREF behind = BackgroundBehind(form, control);
  SetTextColor(dc, ColorRefOr(form.controls[control].text_color, COLOR_WINDOWTEXT));
  SetBkColor(dc, behind);
  return reinterpret_cast<LRESULT>(form.gdi->Brush(behind));
}

// A button's click, or the dialog manager's Escape, which presses the cancel button.
// (Enter and the other dialog keys reach the form before the dialog manager sees them.)
void HandleCommand(Win32Form& form, WPARAM wparam, LPARAM lparam) {
  HWND sender = reinterpret_cast<HWND>(lparam);
  if (sender == nullptr) {
    if (LOWORD(wparam) == IDCANCEL && form.cancel_control >= 0) {
      Deliver(form, {EventKind::kClick, form.cancel_control});
    }
    return;
  }
  const int control = ControlIndexOf(form, sender);
  if (control >= 0 && HIWORD(wparam) == BN_CLICKED) Deliver(form, {EventKind::kClick, control});
}

// What every window that holds controls does (the form, picture boxes, frames): fill its
// colour, colour its labels, pass on its buttons' clicks. False for other messages.
bool HandleContainerMessage(Win32Form& form, HWND window, UINT message, WPARAM wparam,
                            LPARAM lparam, LRESULT& result) {
  switch (message) {
    case WM_ERASEBKGND:
      FillBackground(form, window, reinterpret_cast<HDC>(wparam), OwnColor(form, window));
      result = 1;
      return true;
    case WM_CTLCOLORSTATIC: result = ColorLabel(form, window, wparam, lparam); return true;
    case WM_COMMAND:
      HandleCommand(form, wparam, lparam);
      result = 0;
      return true;
  }
  return false;
}

LRESULT CALLBACK FormProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  KeepCreationForm(window, message, lparam);
  Win32Form* form = FormOf(window);
  if (form == nullptr) return DefWindowProcW(window, message, wparam, lparam);
  LRESULT result = 0;
  if (HandleContainerMessage(*form, window, message, wparam, lparam, result)) return result;
  switch (message) {
    case WM_TIMER: {
      const int control = static_cast<int>(wparam) - 1;
      if (control >= 0 && control < static_cast<int>(form->controls.size())) {
        Deliver(*form, {EventKind::kTimer, control});
      }
      return 0;
    }
    // A form leaves only when the program destroys it; the close box asks the program.
    case WM_CLOSE:
      Deliver(*form, {EventKind::kClose});
      return 0;
    // Windows puts the focus on the window itself; the form then says where it belongs.
    case WM_ACTIVATE: {
      const LRESULT activated = DefWindowProcW(window, message, wparam, lparam);
      if (LOWORD(wparam) != WA_INACTIVE && HIWORD(wparam) == 0 && form->sink != nullptr) {
        form->sink->HandleActivated();
      }
      return activated;
    }
  }
  if (HandleMouseInput(*form, UiEvent::kFormItself, window, PointOf(lparam), message, wparam)) {
    return 0;
  }
  // A form that keeps system keys from Windows is neither closed by Alt+F4 nor has its
  // menu opened by F10: what such a key does is the program's to decide.
  const bool keeps_system_keys = form->role.keeps_system_keys;
  const bool key = HandleKeyInput(*form, message, wparam);
  if (IsSystemKeyMessage(message)) {
    // The program may have destroyed the form on this key.
    if (keeps_system_keys || !IsWindow(window)) return 0;
    return DefWindowProcW(window, message, wparam, lparam);
  }
  if (key) return 0;
  return DefWindowProcW(window, message, wparam, lparam);
}

LRESULT CALLBACK PictureBoxProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  KeepCreationForm(window, message, lparam);
  Win32Form* form = FormOf(window);
  const int control = form == nullptr ? -1 : ControlIndexOf(*form, window);
  if (control < 0) return DefWindowProcW(window, message, wparam, lparam);
  LRESULT result = 0;
  if (HandleContainerMessage(*form, window, message, wparam, lparam, result)) return result;
  if (HandleMouseInput(*form, control, window, PointOf(lparam), message, wparam)) return 0;
  return DefWindowProcW(window, message, wparam, lparam);
}

// Input on a cover is input on the form's background, at the same place on the screen.
LRESULT CALLBACK CoverProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  KeepCreationForm(window, message, lparam);
  Win32Form* form = FormOf(window);
  if (form == nullptr) return DefWindowProcW(window, message, wparam, lparam);
  if (message == WM_CLOSE) return 0;
  if (message >= WM_MOUSEFIRST && message <= WM_MOUSELAST) {
    POINT point = PointOf(lparam);
    MapWindowPoints(window, form->window, &point, 1);
    if (HandleMouseInput(*form, UiEvent::kFormItself, form->window, point, message, wparam)) return 0;
  }
  if (HandleKeyInput(*form, message, wparam) || IsSystemKeyMessage(message)) return 0;
  return DefWindowProcW(window, message, wparam, lparam);
}

LRESULT CALLBACK LabelProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam,
                           UINT_PTR subclass, DWORD_PTR data) {
  if (message == WM_NCDESTROY) {
    RemoveWindowSubclass(window, NettedSubclass<LabelProc>, subclass);
    return DefSubclassProc(window, message, wparam, lparam);
  }
  Win32Form& form = *reinterpret_cast<Win32Form*>(data);
  const int control = ControlIndexOf(form, window);
  if (control >= 0 && HandleMouseInput(form, control, window, PointOf(lparam), message, wparam)) {
    return 0;
  }
  return DefSubclassProc(window, message, wparam, lparam);
}

// A control that takes the focus tells its form when the focus has come to it, after the
// control's own handling. That handling may run the program's handlers (a button's click)
// and unload the form with its windows; the form is touched only while the control's window,
// which goes before the form does, is still there.
LRESULT CALLBACK FocusProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam,
                           UINT_PTR subclass, DWORD_PTR data) {
  if (message == WM_NCDESTROY) {
    RemoveWindowSubclass(window, NettedSubclass<FocusProc>, subclass);
    return DefSubclassProc(window, message, wparam, lparam);
  }
  const LRESULT result = DefSubclassProc(window, message, wparam, lparam);
  if (message != WM_SETFOCUS || !IsWindow(window)) return result;
  Win32Form& form = *reinterpret_cast<Win32Form*>(data);
  const int control = ControlIndexOf(form, window);
  if (control >= 0 && form.sink != nullptr) form.sink->HandleFocusArrived(control);
  return result;
}

void RegisterClassOf(HINSTANCE instance, const wchar_t* name, WNDPROC procedure, HBRUSH background) {
  WNDCLASSEXW window_class{};
  window_class.cbSize = sizeof window_class;
  window_class.lpfnWndProc = procedure;
  window_class.hInstance = instance;
  window_class.hCursor = LoadCursor(nullptr, IDC_ARROW);
  window_class.hbrBackground = background;
  window_class.lpszClassName = name;
  RegisterClassExW(&window_class);
}

}  // namespace

bool IsFormWindow(HWND window) {
  wchar_t name[64];
  return GetClassNameW(window, name, 64) > 0 && std::wcscmp(name, kFormClass) == 0;
}

void RegisterWindowClasses(HINSTANCE instance) {
  RegisterClassOf(instance, kFormClass, Netted<FormProc>, nullptr);
  RegisterClassOf(instance, kPictureBoxClass, Netted<PictureBoxProc>, nullptr);
  RegisterClassOf(instance, kCoverClass, Netted<CoverProc>,
                  static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
}

void WatchLabelInput(HWND label, Win32Form& form) {
  SetWindowSubclass(label, NettedSubclass<LabelProc>, 1, reinterpret_cast<DWORD_PTR>(&form));
}

void WatchFocus(HWND control, Win32Form& form) {
  SetWindowSubclass(control, NettedSubclass<FocusProc>, 1, reinterpret_cast<DWORD_PTR>(&form));
}

bool OfferFocusKey(const MSG& message) {
  if ((message.message != WM_KEYDOWN && message.message != WM_SYSKEYDOWN) || message.hwnd == nullptr) {
    return false;
  }
  HWND root = GetAncestor(message.hwnd, GA_ROOT);
  if (root == nullptr || !IsFormWindow(root)) return false;
  Win32Form* form = FormOf(root);
  if (form == nullptr || form->sink == nullptr) return false;
  const int focused = ControlIndexOf(*form, GetFocus());
  return form->sink->HandleDialogKey(focused < 0 ? UiEvent::kFormItself : focused,
                                    KeyOfVirtualKey(message.wParam), ShiftState());
}
