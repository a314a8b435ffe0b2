// Forms and their controls built as real windows from their designs, changed on request,
// text measured with the font it is shown in, timers, and the message loop.
#include "platform/win32/win32_window_system.h"

#include <commctrl.h>

#include <cstring>
#include <stdexcept>
#include <system_error>

#include "platform/win32/win32_monitor_covers.h"
#include "platform/win32/win32_window_procs.h"

namespace {

constexpr DWORD kChildStyle = WS_CHILD | WS_CLIPSIBLINGS | WS_CLIPCHILDREN;

[[noreturn]] void FailWindowCreation() {
  throw std::system_error(static_cast<int>(GetLastError()), std::system_category(),
                          "CreateWindowExA");
}

DWORD FrameStyle(BorderStyle border) {
  switch (border) {
    case BorderStyle::kNone: return WS_POPUP;
    case BorderStyle::kFixedSingle: return WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
    case BorderStyle::kFixedDialog: return WS_CAPTION | WS_SYSMENU;
    case BorderStyle::kSizable: return WS_OVERLAPPEDWINDOW;
  }
  return WS_OVERLAPPEDWINDOW;
}

DWORD AlignmentStyle(TextAlignment alignment) {
  switch (alignment) {
    case TextAlignment::kLeft: return SS_LEFT;
    case TextAlignment::kRight: return SS_RIGHT;
    case TextAlignment::kCenter: return SS_CENTER;
  }
  return SS_LEFT;
}

// The window class and styles a control is built with.
struct WindowKind {
  const char* class_name;
  DWORD style;
  DWORD ex_style;
};

WindowKind WindowKindOf(const ControlDesign& control) {
  switch (control.kind) {
    case ControlKind::kLabel: return {"STATIC", SS_NOTIFY | AlignmentStyle(control.alignment), 0};
    case ControlKind::kPictureBox:
    case ControlKind::kFrame: return {kPictureBoxClass, 0, WS_EX_CONTROLPARENT};
    case ControlKind::kCommandButton: return {"BUTTON", BS_PUSHBUTTON | BS_MULTILINE | WS_TABSTOP, 0};
    case ControlKind::kOptionButton: return {"BUTTON", BS_RADIOBUTTON | BS_MULTILINE | WS_TABSTOP, 0};
    case ControlKind::kCheckBox: return {"BUTTON", BS_CHECKBOX | BS_MULTILINE | WS_TABSTOP, 0};
    case ControlKind::kTextBox: return {"EDIT", ES_AUTOHSCROLL | WS_TABSTOP, WS_EX_CLIENTEDGE};
    case ControlKind::kTimer: break;
  }
  return {"STATIC", 0, 0};
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

BOOL CALLBACK NoteForm(HWND window, LPARAM found) {
  char name[64];
  if (GetClassNameA(window, name, sizeof name) > 0 && std::strcmp(name, kFormClass) == 0) {
    *reinterpret_cast<bool*>(found) = true;
    return FALSE;
  }
  return TRUE;
}

bool AnyFormAlive() {
  bool found = false;
  EnumThreadWindows(GetCurrentThreadId(), NoteForm, reinterpret_cast<LPARAM>(&found));
  return found;
}

}  // namespace

Win32WindowSystem::Win32WindowSystem() : instance_(GetModuleHandleA(nullptr)) {
  INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES};
  InitCommonControlsEx(&controls);
  RegisterWindowClasses(instance_);
}

Win32WindowSystem::~Win32WindowSystem() {
  for (auto& [handle, form] : forms_) {
    form->sink = nullptr;
    DestroyWindow(form->window);
  }
}

FormHandle Win32WindowSystem::CreateForm(const FormDesign& design, FormEventSink& sink) {
  auto form = std::make_unique<Win32Form>();
  form->sink = &sink;
  form->gdi = &gdi_;
  form->back_color = design.back_color;
  form->covers_screen = design.maximized && design.border == BorderStyle::kNone;
  form->controls.resize(design.controls.size());
  form->window = CreateFormWindow(design, *form);
  try {
    CreateControls(design, *form);
  } catch (...) {
    DestroyWindow(form->window);
    throw;
  }
  const FormHandle handle = next_handle_++;
  forms_.emplace(handle, std::move(form));
  return handle;
}

HWND Win32WindowSystem::CreateFormWindow(const FormDesign& design, Win32Form& form) {
  // Windows other than the saver's take the dialog manager's keys (Tab, accelerators,
  // Escape); a window without an icon has the dialog frame that shows none.
  DWORD ex_style = design.topmost ? WS_EX_TOPMOST : 0;
  if (!form.covers_screen) ex_style |= WS_EX_CONTROLPARENT;
  if (!design.show_icon && design.border != BorderStyle::kNone) ex_style |= WS_EX_DLGMODALFRAME;
  const DWORD style = FrameStyle(design.border) | WS_CLIPCHILDREN;
  const int screen_width = GetSystemMetrics(SM_CXSCREEN);
  const int screen_height = GetSystemMetrics(SM_CYSCREEN);
  RECT area{0, 0, screen_width, screen_height};
  if (!form.covers_screen) {
    RECT frame{0, 0, gdi_.ToPixels(design.client_width), gdi_.ToPixels(design.client_height)};
    AdjustWindowRectEx(&frame, style, FALSE, ex_style);
    const int width = frame.right - frame.left;
    const int height = frame.bottom - frame.top;
    area.left = (screen_width - width) / 2;
    area.top = (screen_height - height) / 2;
    area.right = area.left + width;
    area.bottom = area.top + height;
  }
  HWND window = CreateWindowExA(ex_style, kFormClass, design.caption.c_str(), style, area.left,
                                area.top, area.right - area.left, area.bottom - area.top,
                                nullptr, nullptr, instance_, &form);
  if (window == nullptr) FailWindowCreation();
  return window;
}

// Every control but a timer becomes a window of its standard class, each above those made
// before it. A control lives in its container's window; where the container has none,
// neither has the control.
void Win32WindowSystem::CreateControls(const FormDesign& design, Win32Form& form) {
  int first_tab = -1;
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
    HWND window = CreateWindowExA(
        kind.ex_style, kind.class_name, control.caption.c_str(), style,
        gdi_.ToPixels(control.bounds.left), gdi_.ToPixels(control.bounds.top),
        gdi_.ToPixels(control.bounds.width), gdi_.ToPixels(control.bounds.height), parent,
        reinterpret_cast<HMENU>(static_cast<INT_PTR>(i + kFirstControlId)), instance_, &form);
    if (window == nullptr) FailWindowCreation();
    live.window = window;
    SendMessageA(window, WM_SETFONT, reinterpret_cast<WPARAM>(gdi_.Font(control.font)), FALSE);
    if (control.kind == ControlKind::kLabel) WatchLabelInput(window, form);
    if (control.kind == ControlKind::kFrame) AddFrameOutline(window, control);
    if (control.checked) SendMessageA(window, BM_SETCHECK, BST_CHECKED, 0);
    if (control.cancel) form.cancel_control = static_cast<int>(i);
    if ((kind.style & WS_TABSTOP) != 0 && control.tab_index >= 0 &&
        (first_tab < 0 || control.tab_index < first_tab)) {
      first_tab = control.tab_index;
      form.first_focus = window;
    }
    if (!control.tooltip.empty()) AddTooltip(form, window, control.tooltip);
    SetWindowPos(window, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  }
}

// A frame is a container window holding its caption's outline, a group box, beneath the
// controls it holds.
void Win32WindowSystem::AddFrameOutline(HWND frame, const ControlDesign& control) {
  RECT area;
  GetClientRect(frame, &area);
  HWND outline = CreateWindowExA(0, "BUTTON", control.caption.c_str(),
                                 WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | BS_GROUPBOX, 0, 0,
                                 area.right, area.bottom, frame, nullptr, instance_, nullptr);
  if (outline == nullptr) FailWindowCreation();
  SendMessageA(outline, WM_SETFONT, reinterpret_cast<WPARAM>(gdi_.Font(control.font)), FALSE);
}

void Win32WindowSystem::AddTooltip(Win32Form& form, HWND control, const std::string& text) {
  if (form.tooltips == nullptr) {
    form.tooltips = CreateWindowExA(WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr,
                                    WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX, CW_USEDEFAULT,
                                    CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, form.window,
                                    nullptr, instance_, nullptr);
    if (form.tooltips == nullptr) return;
  }
  TOOLINFOA tool{};
  tool.cbSize = sizeof tool;
  tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
  tool.hwnd = form.window;
  tool.uId = reinterpret_cast<UINT_PTR>(control);
  tool.lpszText = const_cast<char*>(text.c_str());
  SendMessageA(form.tooltips, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&tool));
}

void Win32WindowSystem::DestroyForm(FormHandle handle) {
  const auto found = forms_.find(handle);
  if (found == forms_.end()) throw std::logic_error("no such form");
  Win32Form& form = *found->second;
  form.sink = nullptr;
  for (std::size_t i = 0; i < form.controls.size(); ++i) {
    if (form.controls[i].kind == ControlKind::kTimer) KillTimer(form.window, i + 1);
  }
  RemoveCovers(form);
  if (form.modal_owner != nullptr) {
    EnableWindow(form.modal_owner, TRUE);
    SetForegroundWindow(form.modal_owner);
  }
  DestroyWindow(form.window);
  forms_.erase(found);
  if (forms_.empty()) PostQuitMessage(0);
}

void Win32WindowSystem::ShowForm(FormHandle handle) {
  Win32Form& form = FormAt(handle);
  GetCursorPos(&form.last_pointer);
  ShowWindow(form.window, SW_SHOW);
  SetForegroundWindow(form.window);
  SetFocus(form.first_focus != nullptr ? form.first_focus : form.window);
  if (form.covers_screen && form.covers.empty()) CoverOtherMonitors(form, instance_);
}

void Win32WindowSystem::ShowModal(FormHandle handle, FormHandle owner) {
  Win32Form& form = FormAt(handle);
  form.modal_owner = FormAt(owner).window;
  SetWindowLongPtrA(form.window, GWLP_HWNDPARENT, reinterpret_cast<LONG_PTR>(form.modal_owner));
  EnableWindow(form.modal_owner, FALSE);
  ShowForm(handle);
}

void Win32WindowSystem::SetFormCaption(FormHandle handle, const std::string& caption) {
  SetWindowTextA(FormAt(handle).window, caption.c_str());
}

void Win32WindowSystem::SetControlChecked(FormHandle form, int control, bool checked) {
  HWND window = WindowOf(form, control);
  if (window != nullptr) SendMessageA(window, BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
}

std::string Win32WindowSystem::ReadControlText(FormHandle form, int control) {
  HWND window = WindowOf(form, control);
  if (window == nullptr) return "";
  std::string text(static_cast<std::size_t>(GetWindowTextLengthA(window)) + 1, '\0');
  text.resize(static_cast<std::size_t>(GetWindowTextA(window, text.data(), static_cast<int>(text.size()))));
  return text;
}

void Win32WindowSystem::HideForm(FormHandle handle) {
  Win32Form& form = FormAt(handle);
  RemoveCovers(form);
  ShowWindow(form.window, SW_HIDE);
}

TwipSize Win32WindowSystem::ClientSize(FormHandle handle) {
  RECT client;
  GetClientRect(FormAt(handle).window, &client);
  return {gdi_.ToTwips(client.right - client.left), gdi_.ToTwips(client.bottom - client.top)};
}

void Win32WindowSystem::SetControlText(FormHandle form, int control, const std::string& text) {
  HWND window = WindowOf(form, control);
  if (window == nullptr) return;
  SetWindowTextA(window, text.c_str());
  InvalidateRect(window, nullptr, TRUE);
}

void Win32WindowSystem::SetControlTextColor(FormHandle form, int control,
                                            const std::optional<Color>& color) {
  FormAt(form).controls.at(control).text_color = color;
  HWND window = LabelWindow(form, control);
  if (window != nullptr) InvalidateRect(window, nullptr, TRUE);
}

void Win32WindowSystem::SetControlFont(FormHandle form, int control, const FontSpec& font) {
  HWND window = LabelWindow(form, control);
  if (window == nullptr) return;
  SendMessageA(window, WM_SETFONT, reinterpret_cast<WPARAM>(gdi_.Font(font)), TRUE);
  InvalidateRect(window, nullptr, TRUE);
}

void Win32WindowSystem::SetControlAlignment(FormHandle form, int control, TextAlignment alignment) {
  HWND window = LabelWindow(form, control);
  if (window == nullptr) return;
  const LONG_PTR style = GetWindowLongPtrA(window, GWL_STYLE);
  SetWindowLongPtrA(window, GWL_STYLE, (style & ~LONG_PTR{SS_TYPEMASK}) | AlignmentStyle(alignment));
  InvalidateRect(window, nullptr, TRUE);
}

void Win32WindowSystem::SetControlBounds(FormHandle form, int control, const TwipRect& bounds) {
  HWND window = WindowOf(form, control);
  if (window == nullptr) return;
  MoveWindow(window, gdi_.ToPixels(bounds.left), gdi_.ToPixels(bounds.top),
             gdi_.ToPixels(bounds.width), gdi_.ToPixels(bounds.height), TRUE);
}

void Win32WindowSystem::SetControlVisible(FormHandle form, int control, bool visible) {
  HWND window = WindowOf(form, control);
  if (window != nullptr) ShowWindow(window, visible ? SW_SHOWNA : SW_HIDE);
}

// As the label draws it, prefix characters included, each CR LF starting a line.
TwipSize Win32WindowSystem::MeasureText(const FontSpec& font, const std::string& text) {
  HDC screen = GetDC(nullptr);
  HGDIOBJ previous = SelectObject(screen, gdi_.Font(font));
  RECT area{0, 0, 0, 0};
  if (text.empty()) {
    TEXTMETRICA metrics;
    GetTextMetricsA(screen, &metrics);
    area.bottom = metrics.tmHeight;
  } else {
    DrawTextA(screen, text.data(), static_cast<int>(text.size()), &area,
              DT_CALCRECT | DT_LEFT | DT_EXPANDTABS);
  }
  SelectObject(screen, previous);
  ReleaseDC(nullptr, screen);
  return {gdi_.ToTwips(area.right - area.left), gdi_.ToTwips(area.bottom - area.top)};
}

void Win32WindowSystem::SetTimer(FormHandle handle, int control, int interval_ms) {
  HWND window = FormAt(handle).window;
  const UINT_PTR id = static_cast<UINT_PTR>(control) + 1;
  if (interval_ms == 0) {
    KillTimer(window, id);
  } else {
    ::SetTimer(window, id, static_cast<UINT>(interval_ms), nullptr);
  }
}

Win32Form& Win32WindowSystem::FormAt(FormHandle form) {
  const auto found = forms_.find(form);
  if (found == forms_.end()) throw std::logic_error("no such form");
  return *found->second;
}

HWND Win32WindowSystem::WindowOf(FormHandle form, int control) {
  return FormAt(form).controls.at(control).window;
}

HWND Win32WindowSystem::LabelWindow(FormHandle form, int control) {
  const Win32Control& live = FormAt(form).controls.at(control);
  return live.kind == ControlKind::kLabel ? live.window : nullptr;
}

int RunMessageLoop() {
  if (!AnyFormAlive()) return 0;
  MSG message;
  BOOL got;
  while ((got = GetMessageA(&message, nullptr, 0, 0)) > 0) {
    HWND root = message.hwnd != nullptr ? GetAncestor(message.hwnd, GA_ROOT) : nullptr;
    if (root != nullptr && (GetWindowLongPtrA(root, GWL_EXSTYLE) & WS_EX_CONTROLPARENT) != 0 &&
        IsDialogMessageA(root, &message)) {
      continue;
    }
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
  return got == 0 ? static_cast<int>(message.wParam) : 0;
}
