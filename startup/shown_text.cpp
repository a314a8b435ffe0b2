// Escaping a text for the terminal, one UTF-8 sequence at a time.
#include "startup/shown_text.h"

#include <cstdio>

#include "startup/invisible_characters.h"
#include "startup/utf8.h"

namespace {

// "\x1b" for a byte or an ASCII control, "\u00ad" within the first 65536 code points and
// "\U000e0041" beyond them, so that no escape can run into a hexadecimal digit after it.
std::string Escaped(const char* format, unsigned value) {
  char text[16];
  std::snprintf(text, sizeof text, format, value);
  return text;
}

std::string EscapedCodePoint(char32_t code) {
  const unsigned value = static_cast<unsigned>(code);
  return Escaped(code < 0x80 ? "\\x%02x" : code <= 0xFFFF ? "\\u%04x" : "\\U%08x", value);
}

}  // namespace

std::string ShownText(std::string_view text, std::size_t most) {
  std::string shown;
  std::size_t characters = 0;
  for (std::size_t at = 0; at < text.size(); ++characters) {
    if (characters == most) return shown + "...";
    const Utf8Sequence sequence = Utf8SequenceAt(text, at);
    if (!sequence.well_formed) {
      shown += Escaped("\\x%02x", static_cast<unsigned char>(text[at]));
      at += 1;
      continue;
    }
    if (IsInvisibleCharacter(sequence.code_point)) {
      shown += EscapedCodePoint(sequence.code_point);
    } else {
      shown.append(text.substr(at, sequence.length));
    }
    at += sequence.length;
  }
  return shown;
}

std::string ShownLines(std::string_view text) {
  std::string lines;
  while (!text.empty()) {
    const std::size_t end = text.find('\n');
    std::string_view line = text.substr(0, end);
    if (!line.empty() && line.back() == '\r' && end != std::string_view::npos) line.remove_suffix(1);
    lines += ShownName(line);
    lines += '\n';
    text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
  }
  return lines.empty() ? "\n" : lines;
}
