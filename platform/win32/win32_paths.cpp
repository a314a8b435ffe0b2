// UTF-8 paths made into the long, wide paths of the file functions.
#include "platform/win32/win32_paths.h"

#include <windows.h>

#include "ui/failure.h"

namespace {

// Empty when the text does not decode.
std::wstring Widened(const std::string& text, UINT code_page, DWORD flags) {
  const int size = static_cast<int>(text.size());
  const int length = MultiByteToWideChar(code_page, flags, text.data(), size, nullptr, 0);
  std::wstring wide(static_cast<std::size_t>(length), L'\0');
  MultiByteToWideChar(code_page, flags, text.data(), size, wide.data(), length);
  return wide;
}

}  // namespace

std::wstring WideOf(const std::string& utf8) {
  if (utf8.empty()) return {};
  std::wstring wide = Widened(utf8, CP_UTF8, MB_ERR_INVALID_CHARS);
  if (wide.empty()) Fail(failure_code::kBadFileName);
  return wide;
}

std::wstring CodePageWide(const std::string& text) { return Widened(text, CP_ACP, 0); }

std::string Utf8Of(const std::wstring& wide) {
  if (wide.empty()) return {};
  const int size = static_cast<int>(wide.size());
  const int length = WideCharToMultiByte(CP_UTF8, 0, wide.data(), size, nullptr, 0, nullptr, nullptr);
  std::string utf8(static_cast<std::size_t>(length), '\0');
  WideCharToMultiByte(CP_UTF8, 0, wide.data(), size, utf8.data(), length, nullptr, nullptr);
  return utf8;
}

std::wstring FileSystemPath(const std::string& path) {
  if (path.empty() || path.find('\0') != std::string::npos) Fail(failure_code::kBadFileName);
  const std::wstring wide = WideOf(path);
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
