// Decoding the checker's mixed report for the console.
#include "platform/win32/checker/console_text.h"

#include <windows.h>

namespace {

// The length of the well-formed UTF-8 sequence of two or more bytes at `at`, or 0.
std::size_t Utf8SequenceAt(const std::string& text, std::size_t at) {
  const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
  const unsigned char lead = byte(at);
  const std::size_t length = lead >= 0xC2 && lead <= 0xDF ? 2 : lead >= 0xE0 && lead <= 0xEF ? 3
                             : lead >= 0xF0 && lead <= 0xF4 ? 4 : 0;
  if (length == 0 || at + length > text.size()) return 0;
  for (std::size_t i = at + 1; i < at + length; ++i) {
    if ((byte(i) & 0xC0) != 0x80) return 0;
  }
  // Overlong forms, surrogates and code points past U+10FFFF are not UTF-8.
  const unsigned char second = byte(at + 1);
  if ((lead == 0xE0 && second < 0xA0) || (lead == 0xED && second > 0x9F) ||
      (lead == 0xF0 && second < 0x90) || (lead == 0xF4 && second > 0x8F)) {
    return 0;
  }
  return length;
}

void Append(std::wstring& out, const std::string& text, std::size_t at, std::size_t length, UINT code_page) {
  wchar_t letters[4];
  const int count = MultiByteToWideChar(code_page, 0, text.data() + at, static_cast<int>(length), letters, 4);
  out.append(letters, static_cast<std::size_t>(count > 0 ? count : 0));
}

}  // namespace

std::wstring ConsoleText(const std::string& report) {
  std::wstring shown;
  for (std::size_t at = 0; at < report.size();) {
    const std::size_t sequence = Utf8SequenceAt(report, at);
    if (sequence > 0) {
      Append(shown, report, at, sequence, CP_UTF8);
      at += sequence;
    } else {
      Append(shown, report, at, 1, CP_ACP);
      ++at;
    }
  }
  return shown;
}
