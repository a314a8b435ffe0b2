// What the toolkit's window-building files share: the styles of child windows and of
// labels' alignments, and the failure when Windows cannot make a window.
#pragma once

#include <windows.h>

#include <system_error>

#include "ui/design.h"

inline constexpr DWORD kChildStyle = WS_CHILD | WS_CLIPSIBLINGS | WS_CLIPCHILDREN;

// Want of memory or of window handles is said in the portable words, so that the failure
// net reports it as out of memory.
[[noreturn]] inline void FailWindowCreation() {
  const DWORD error = GetLastError();
  if (error == ERROR_NOT_ENOUGH_MEMORY || error == ERROR_OUTOFMEMORY ||
      error == ERROR_NO_SYSTEM_RESOURCES || error == ERROR_NOT_ENOUGH_QUOTA) {
    throw std::system_error(std::make_error_code(std::errc::not_enough_memory), "CreateWindowExW");
  }
  throw std::system_error(static_cast<int>(error), std::system_category(), "CreateWindowExW");
}

inline DWORD AlignmentStyle(TextAlignment alignment) {
  switch (alignment) {
    case TextAlignment::kLeft: return SS_LEFT;
    case TextAlignment::kRight: return SS_RIGHT;
    case TextAlignment::kCenter: return SS_CENTER;
  }
  return SS_LEFT;
}
