// The monitor covers: one owned, black, top-most popup on each monitor that is not the
// primary, shown without taking the focus from the form.
#include "platform/win32/win32_monitor_covers.h"

#include <vector>

#include "platform/win32/win32_window_procs.h"

namespace {

BOOL CALLBACK CollectOtherMonitor(HMONITOR monitor, HDC, LPRECT, LPARAM found) {
  MONITORINFO info{};
  info.cbSize = sizeof info;
  if (GetMonitorInfoW(monitor, &info) && !(info.dwFlags & MONITORINFOF_PRIMARY)) {
    reinterpret_cast<std::vector<RECT>*>(found)->push_back(info.rcMonitor);
  }
  return TRUE;
}

}  // namespace

void CoverOtherMonitors(Win32Form& form, HINSTANCE instance) {
  std::vector<RECT> monitors;
  EnumDisplayMonitors(nullptr, nullptr, CollectOtherMonitor, reinterpret_cast<LPARAM>(&monitors));
  for (const RECT& area : monitors) {
    HWND cover = CreateWindowExW(WS_EX_TOPMOST | WS_EX_TOOLWINDOW, kCoverClass, L"", WS_POPUP,
                                 area.left, area.top, area.right - area.left,
                                 area.bottom - area.top, form.window, nullptr, instance, &form);
    if (cover == nullptr) continue;
    form.covers.push_back(cover);
    ShowWindow(cover, SW_SHOWNOACTIVATE);
  }
}

void RemoveCovers(Win32Form& form) {
  for (HWND cover : form.covers) DestroyWindow(cover);
  form.covers.clear();
}
