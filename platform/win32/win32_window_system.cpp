// Forms and their controls built as real windows from their designs, changed on request,
// text measured with the font it is shown in, timers, and the message loop.
#include "platform/win32/win32_window_system.h"

#include <commctrl.h>

#include <stdexcept>

#include "platform/win32/win32_monitor_covers.h"
#include "platform/win32/win32_window_styles.h"
#include "platform/win32/win32_window_procs.h"
#include "platform/win32/win32_wide_text.h"

namespace {

DWORD FrameStyle(BorderStyle border) {
  switch (border) {
    case BorderStyle::kNone: return WS_POPUP;
    case BorderStyle::kFixedSingle: return WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
    case BorderStyle::kFixedDialog: return WS_CAPTION | WS_SYSMENU;
    case BorderStyle::kSizable: return WS_OVERLAPPEDWINDOW;
  }
  return WS_OVERLAPPEDWINDOW;
}

BOOL CALLBACK NoteForm(HWND window, LPARAM found) {
  if (IsFormWindow(window)) {
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

Win32WindowSystem::Win32WindowSystem(FailureNet& failure_net)
    : failure_net_(failure_net), instance_(GetModuleHandleW(nullptr)) {
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
  form->failure_net = &failure_net_;
  form->back_color = design.back_color;
  form->role = design.role;
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
  // A window without an icon has the dialog frame that shows none.
  DWORD ex_style = design.topmost ? WS_EX_TOPMOST : 0;
  if (design.role.takes_dialog_keys) ex_style |= WS_EX_CONTROLPARENT;
  if (!design.show_icon && design.border != BorderStyle::kNone) ex_style |= WS_EX_DLGMODALFRAME;
  const DWORD style = FrameStyle(design.border) | WS_CLIPCHILDREN;
  const int screen_width = GetSystemMetrics(SM_CXSCREEN);
  const int screen_height = GetSystemMetrics(SM_CYSCREEN);
  RECT area{0, 0, screen_width, screen_height};
  if (!design.maximized) {
    RECT frame{0, 0, gdi_.ToPixels(design.client_width), gdi_.ToPixels(design.client_height)};
    AdjustWindowRectEx(&frame, style, FALSE, ex_style);
    const int width = frame.right - frame.left;
    const int height = frame.bottom - frame.top;
    area.left = (screen_width - width) / 2;
    area.top = (screen_height - height) / 2;
    area.right = area.left + width;
    area.bottom = area.top + height;
  }
  HWND window = CreateWindowExW(ex_style, kFormClass, WideOf(design.caption).c_str(), style, area.left,
                                area.top, area.right - area.left, area.bottom - area.top,
                                nullptr, nullptr, instance_, &form);
  if (window == nullptr) FailWindowCreation();
  return window;
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
  // Within the program a window can be made active even when Windows keeps another
  // program in front.
  if (GetActiveWindow() != form.window) SetActiveWindow(form.window);
  if (form.role.covers_other_monitors && form.covers.empty()) CoverOtherMonitors(form, instance_);
}

void Win32WindowSystem::ShowModal(FormHandle handle, FormHandle owner) {
  Win32Form& form = FormAt(handle);
  form.modal_owner = FormAt(owner).window;
  SetWindowLongPtrW(form.window, GWLP_HWNDPARENT, reinterpret_cast<LONG_PTR>(form.modal_owner));
  EnableWindow(form.modal_owner, FALSE);
  ShowForm(handle);
}

void Win32WindowSystem::SetFormCaption(FormHandle handle, const std::string& caption) {
  SetWindowTextW(FormAt(handle).window, WideOf(caption).c_str());
}

void Win32WindowSystem::SetFocus(FormHandle handle, int control) {
  Win32Form& form = FormAt(handle);
  HWND target = control == UiEvent::kFormItself ? form.window : WindowOf(handle, control);
  if (target != nullptr) ::SetFocus(target);
}

void Win32WindowSystem::SetControlChecked(FormHandle form, int control, bool checked) {
  HWND window = WindowOf(form, control);
  if (window != nullptr) SendMessageW(window, BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
}

std::string Win32WindowSystem::ReadControlText(FormHandle form, int control) {
  HWND window = WindowOf(form, control);
  if (window == nullptr) return "";
  std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
  text.resize(static_cast<std::size_t>(GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
  return Utf8Of(text);
}

TwipSize Win32WindowSystem::ClientSize(FormHandle handle) {
  RECT client;
  GetClientRect(FormAt(handle).window, &client);
  return {gdi_.ToTwips(client.right - client.left), gdi_.ToTwips(client.bottom - client.top)};
}

void Win32WindowSystem::SetControlText(FormHandle form, int control, const std::string& text) {
  HWND window = WindowOf(form, control);
  if (window == nullptr) return;
  SetWindowTextW(window, WideOf(text).c_str());
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
  SendMessageW(window, WM_SETFONT, reinterpret_cast<WPARAM>(gdi_.Font(font)), TRUE);
  InvalidateRect(window, nullptr, TRUE);
}

void Win32WindowSystem::SetControlAlignment(FormHandle form, int control, TextAlignment alignment) {
  HWND window = LabelWindow(form, control);
  if (window == nullptr) return;
  const LONG_PTR style = GetWindowLongPtrW(window, GWL_STYLE);
  SetWindowLongPtrW(window, GWL_STYLE, (style & ~LONG_PTR{SS_TYPEMASK}) | AlignmentStyle(alignment));
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
  // Whatever may throw comes before the screen's DC is taken, so that it is always given back.
  const std::wstring wide = WideOf(text);
  const HFONT measured_font = gdi_.Font(font);
  HDC screen = GetDC(nullptr);
  HGDIOBJ previous = SelectObject(screen, measured_font);
  RECT area{0, 0, 0, 0};
  if (wide.empty()) {
    TEXTMETRICW metrics;
    GetTextMetricsW(screen, &metrics);
    area.bottom = metrics.tmHeight;
  } else {
    DrawTextW(screen, wide.data(), static_cast<int>(wide.size()), &area,
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

int RunMessageLoop(MessageSource next_message) {
  if (!AnyFormAlive()) return 0;
  MSG message;
  BOOL got;
  while ((got = next_message(&message, nullptr, 0, 0)) > 0) {
    HWND root = message.hwnd != nullptr ? GetAncestor(message.hwnd, GA_ROOT) : nullptr;
    if (root != nullptr && (GetWindowLongPtrW(root, GWL_EXSTYLE) & WS_EX_CONTROLPARENT) != 0 &&
        (OfferFocusKey(message) || IsDialogMessageW(root, &message))) {
      continue;
    }
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  return got == 0 ? static_cast<int>(message.wParam) : exit_status::kFailed;
}
