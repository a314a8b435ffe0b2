// The system's code page and letter case for joke text: a file that is neither UTF-8 nor
// UTF-16 is read in the code page Windows uses for programs that are not Unicode (CP_ACP),
// and letters are folded by Windows' own case tables, the same for every user's locale.
#include <windows.h>

#include <string>

#include "platform/win32/win32_services.h"
#include "platform/win32/win32_wide_text.h"

namespace {

std::wstring WideOfCodePage(UINT code_page, std::string_view bytes) {
  if (bytes.empty()) return {};
  const int size = MultiByteToWideChar(code_page, 0, bytes.data(), static_cast<int>(bytes.size()), nullptr, 0);
  std::wstring wide(static_cast<std::size_t>(size > 0 ? size : 0), L'\0');
  MultiByteToWideChar(code_page, 0, bytes.data(), static_cast<int>(bytes.size()), wide.data(), size);
  return wide;
}

// The text with LCMapStringEx's mapping, in the invariant locale.
std::wstring Mapped(const std::wstring& text, DWORD flags) {
  if (text.empty()) return text;
  const int size = LCMapStringEx(LOCALE_NAME_INVARIANT, flags, text.data(), static_cast<int>(text.size()), nullptr, 0,
                                 nullptr, nullptr, 0);
  if (size <= 0) return text;
  std::wstring mapped(static_cast<std::size_t>(size), L'\0');
  LCMapStringEx(LOCALE_NAME_INVARIANT, flags, text.data(), static_cast<int>(text.size()), mapped.data(), size, nullptr,
                nullptr, 0);
  return mapped;
}

}  // namespace

std::string Win32Services::AnsiToUtf8(std::string_view bytes) { return Utf8Of(WideOfCodePage(CP_ACP, bytes)); }

std::string Win32Services::AnsiCodePageName() { return "code page " + std::to_string(GetACP()); }

std::string Win32Services::FoldCase(std::string_view utf8) {
  // Upper case first, then lower, so that Greek's final sigma meets the other small sigma.
  return Utf8Of(Mapped(Mapped(WideOf(utf8), LCMAP_UPPERCASE), LCMAP_LOWERCASE));
}
