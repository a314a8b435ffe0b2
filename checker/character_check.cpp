// The character checks of one text line.
#include "checker/character_check.h"

#include <cstdio>

#include "startup/utf8.h"

std::string CharacterWarning(const std::string& line) {
  for (std::size_t at = 0; at < line.size();) {
    const Utf8Sequence sequence = Utf8SequenceAt(line, at);
    const char32_t code = sequence.code_point;
    if (code < 0x20 || (code >= 0x7F && code <= 0x9F)) {
      char number[16];
      std::snprintf(number, sizeof number, code < 0x80 ? "0x%02X" : "U+%04X", static_cast<unsigned>(code));
      const std::string what = code == '\t' ? std::string("a tab (0x09)") : std::string("control character ") + number;
      return what + " in the text: the saver shows it as a box or a gap, not as the writer meant";
    }
    at += sequence.length;
  }
  return "";
}
