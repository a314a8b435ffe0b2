// Escaping a text for the terminal, one UTF-8 sequence at a time.
#include "checker/shown_text.h"

#include <cstdio>

#include "startup/utf8.h"

namespace {

// Characters that act on a terminal or reorder what follows instead of showing.
bool Invisible(char32_t code) {
  return code < 0x20 || (code >= 0x7F && code <= 0x9F) || (code >= 0x200B && code <= 0x200F) ||
         (code >= 0x2028 && code <= 0x202E) || (code >= 0x2060 && code <= 0x206F) || code == 0xFEFF ||
         (code >= 0xFFF9 && code <= 0xFFFB);
}

std::string Escaped(const char* format, unsigned value) {
  char text[16];
  std::snprintf(text, sizeof text, format, value);
  return text;
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
    if (sequence.code_point < 0x80 && Invisible(sequence.code_point)) {
      shown += Escaped("\\x%02x", static_cast<unsigned>(sequence.code_point));
    } else if (Invisible(sequence.code_point)) {
      shown += Escaped("\\u%04x", static_cast<unsigned>(sequence.code_point));
    } else {
      shown.append(text.substr(at, sequence.length));
    }
    at += sequence.length;
  }
  return shown;
}
