// UTF-8 and UTF-16 through Windows' own converters.
#include "platform/win32/win32_wide_text.h"

#include <windows.h>

#include <climits>
#include <stdexcept>

namespace {

// The converters count in int; no text the program holds comes near that.
int LengthOf(std::size_t size) {
  if (size > INT_MAX) throw std::length_error("text too long for Windows");
  return static_cast<int>(size);
}

std::optional<std::wstring> Widened(std::string_view utf8, DWORD flags) {
  if (utf8.empty()) return std::wstring();
  const int size = LengthOf(utf8.size());
  const int length = MultiByteToWideChar(CP_UTF8, flags, utf8.data(), size, nullptr, 0);
  if (length <= 0) return std::nullopt;
  std::wstring wide(static_cast<std::size_t>(length), L'\0');
  MultiByteToWideChar(CP_UTF8, flags, utf8.data(), size, wide.data(), length);
  return wide;
}

}  // namespace

std::wstring WideOf(std::string_view utf8) { return Widened(utf8, 0).value_or(std::wstring()); }

std::optional<std::wstring> ExactWideOf(std::string_view utf8) {
  return Widened(utf8, MB_ERR_INVALID_CHARS);
}

std::string Utf8Of(std::wstring_view wide) {
  if (wide.empty()) return {};
  const int size = LengthOf(wide.size());
  const int length = WideCharToMultiByte(CP_UTF8, 0, wide.data(), size, nullptr, 0, nullptr, nullptr);
  if (length <= 0) return {};
  std::string utf8(static_cast<std::size_t>(length), '\0');
  WideCharToMultiByte(CP_UTF8, 0, wide.data(), size, utf8.data(), length, nullptr, nullptr);
  return utf8;
}
