// The controls of a form built as real windows: each kind's standard class and styles,
// frames with their outline, tooltips, and the controls that report the focus coming to them.
#include "platform/win32/win32_window_system.h"

#include <commctrl.h>

#include "platform/win32/win32_window_procs.h"
#include "platform/win32/win32_wide_text.h"
#include "platform/win32/win32_window_styles.h"
#include "ui/focus_order.h"

namespace {

// The window class and styles a control is built with.
struct WindowKind {
  const wchar_t* class_name;
  DWORD style;
  DWORD ex_style;
};

WindowKind WindowKindOf(const ControlDesign& control) {
  switch (control.kind) {
    case ControlKind::kLabel: return {L"STATIC", SS_NOTIFY | AlignmentStyle(control.alignment), 0};
    case ControlKind::kPictureBox:
    case ControlKind::kFrame: return {kPictureBoxClass, 0, WS_EX_CONTROLPARENT};
    case ControlKind::kCommandButton: return {L"BUTTON", BS_PUSHBUTTON | BS_MULTILINE | WS_TABSTOP, 0};
    case ControlKind::kOptionButton: return {L"BUTTON", BS_RADIOBUTTON | BS_MULTILINE | WS_TABSTOP, 0};
    case ControlKind::kCheckBox: return {L"BUTTON", BS_CHECKBOX | BS_MULTILINE | WS_TABSTOP, 0};
    case ControlKind::kTextBox: return {L"EDIT", ES_AUTOHSCROLL | WS_TABSTOP, WS_EX_CLIENTEDGE};
    case ControlKind::kTimer: break;
  }
  return {L"STATIC", 0, 0};
}

// The index of the picture box or frame named `name` among the controls before `before`,
// if it has a window to hold others.
int ContainerIndex(const FormDesign& design, const Win32Form& form, const std::string& name,
                   std::size_t before) {
  for (std::size_t i = 0; i < before; ++i) {
    const ControlKind kind = form.controls[i].kind;
    if (design.controls[i].name == name &&
        (kind == ControlKind::kPictureBox || kind == ControlKind::kFrame) &&
        form.controls[i].window != nullptr) {
      return static_cast<int>(i);
    }
  }
  return -1;
}

}  // namespace

// Every control but a timer becomes a window of its standard class, each above those made
// before it. A control lives in its container's window; where the container has none,
// neither has the control.
void Win32WindowSystem::CreateControls(const FormDesign& design, Win32Form& form) {
  for (std::size_t i = 0; i < design.controls.size(); ++i) {
    const ControlDesign& control = design.controls[i];
    Win32Control& live = form.controls[i];
    live.kind = control.kind;
    live.text_color = control.text_color;
    live.back_color = control.back_color;
    live.transparent = control.transparent;
    if (control.kind == ControlKind::kTimer) continue;
    HWND parent = form.window;
    if (!control.parent.empty()) {
      live.container = ContainerIndex(design, form, control.parent, i);
      if (live.container < 0) continue;
      parent = form.controls[live.container].window;
    }
    const WindowKind kind = WindowKindOf(control);
    // A frame's outline covers all of it, so the frame must fill what lies beneath.
    const DWORD clip = control.kind == ControlKind::kFrame ? WS_CLIPCHILDREN : 0;
    const DWORD style = (kChildStyle & ~clip) | kind.style | (control.visible ? WS_VISIBLE : 0);
    HWND window = CreateWindowExW(
        kind.ex_style, kind.class_name, WideOf(control.caption).c_str(), style,
        gdi_.ToPixels(control.bounds.left), gdi_.ToPixels(control.bounds.top),
        gdi_.ToPixels(control.bounds.width), gdi_.ToPixels(control.bounds.height), parent,
        reinterpret_cast<HMENU>(static_cast<INT_PTR>(i + kFirstControlId)), instance_, &form);
    if (window == nullptr) FailWindowCreation();
    live.window = window;
    SendMessageW(window, WM_SETFONT, reinterpret_cast<WPARAM>(gdi_.Font(control.font)), FALSE);
    if (control.kind == ControlKind::kLabel) WatchLabelInput(window, form);
    if (control.kind == ControlKind::kFrame) AddFrameOutline(window, control);
    if (control.checked) SendMessageW(window, BM_SETCHECK, BST_CHECKED, 0);
    if (control.cancel) form.cancel_control = static_cast<int>(i);
    if (TakesFocus(control.kind)) WatchFocus(window, form);
    if (!control.tooltip.empty()) AddTooltip(form, window, control.tooltip);
    SetWindowPos(window, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  }
}

// A frame is a container window holding its caption's outline, a group box, beneath the
// controls it holds.
void Win32WindowSystem::AddFrameOutline(HWND frame, const ControlDesign& control) {
  RECT area;
  GetClientRect(frame, &area);
  HWND outline = CreateWindowExW(0, L"BUTTON", WideOf(control.caption).c_str(),
                                 WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | BS_GROUPBOX, 0, 0,
                                 area.right, area.bottom, frame, nullptr, instance_, nullptr);
  if (outline == nullptr) FailWindowCreation();
  SendMessageW(outline, WM_SETFONT, reinterpret_cast<WPARAM>(gdi_.Font(control.font)), FALSE);
}

void Win32WindowSystem::AddTooltip(Win32Form& form, HWND control, const std::string& text) {
  if (form.tooltips == nullptr) {
    form.tooltips = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr,
                                    WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX, CW_USEDEFAULT,
                                    CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, form.window,
                                    nullptr, instance_, nullptr);
    if (form.tooltips == nullptr) return;
  }
  std::wstring wide = WideOf(text);
  TOOLINFOW tool{};
  tool.cbSize = sizeof tool;
  tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
  tool.hwnd = form.window;
  tool.uId = reinterpret_cast<UINT_PTR>(control);
  tool.lpszText = wide.data();
  SendMessageW(form.tooltips, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
}
