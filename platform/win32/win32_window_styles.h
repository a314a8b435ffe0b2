// What the toolkit's window-building files share: the styles of child windows and of
// labels' alignments, and the failure when Windows cannot make a window.
#pragma once

#include <windows.h>

#include <system_error>

#include "ui/design.h"

inline constexpr DWORD kChildStyle = WS_CHILD | WS_CLIPSIBLINGS | WS_CLIPCHILDREN;

[[noreturn]] inline void FailWindowCreation() {
  throw std::system_error(static_cast<int>(GetLastError()), std::system_category(),
                          "CreateWindowExA");
}

inline DWORD AlignmentStyle(TextAlignment alignment) {
  switch (alignment) {
    case TextAlignment::kLeft: return SS_LEFT;
    case TextAlignment::kRight: return SS_RIGHT;
    case TextAlignment::kCenter: return SS_CENTER;
  }
  return SS_LEFT;
}
