// UTF-8 paths made into the long, wide paths of the file functions.
#include "platform/win32/win32_paths.h"

#include <windows.h>

#include "platform/win32/win32_wide_text.h"
#include "ui/failure.h"

std::wstring FileSystemPath(const std::string& path) {
  if (path.empty() || path.find('\0') != std::string::npos) Fail(failure_code::kBadFileName);
  const std::optional<std::wstring> exact = ExactWideOf(path);
  if (!exact) Fail(failure_code::kBadFileName);
  const std::wstring& wide = *exact;
  if (wide.rfind(L"\\\\?\\", 0) == 0) return wide;
  std::wstring full(MAX_PATH, L'\0');
  for (;;) {
    const DWORD length = GetFullPathNameW(wide.c_str(), static_cast<DWORD>(full.size()), full.data(), nullptr);
    if (length == 0) Fail(failure_code::kBadFileName);
    if (length < full.size()) {
      full.resize(length);
      break;
    }
    full.resize(length);
  }
  if (full.rfind(L"\\\\.\\", 0) == 0) return full;  // a device
  if (full.rfind(L"\\\\", 0) == 0) return L"\\\\?\\UNC\\" + full.substr(2);
  return L"\\\\?\\" + full;
}
