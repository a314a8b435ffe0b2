// Punchlines compared with case, blanks and punctuation left aside.
#include "checker/punchline.h"

#include "startup/utf8.h"

namespace {

bool Kept(char32_t code) {
  if (code < 0x80) return (code >= 'a' && code <= 'z') || (code >= 'A' && code <= 'Z') || (code >= '0' && code <= '9');
  if (code <= 0xBF) return false;                    // Latin-1's controls, blanks, signs and marks
  if (code >= 0x2000 && code <= 0x206F) return false;  // dashes, curly quotes, ellipsis, blanks
  if (code >= 0x3000 && code <= 0x303F) return false;  // CJK blanks and punctuation
  return code != 0xD7 && code != 0xF7;
}

}  // namespace

std::string LastLine(const std::string& text) {
  const std::size_t last_break = text.rfind("\r\n");
  return last_break == std::string::npos ? text : text.substr(last_break + 2);
}

std::string PunchlineKey(const std::string& line, Services& services) {
  const std::string folded = services.FoldCase(line);
  std::string key;
  for (std::size_t at = 0; at < folded.size();) {
    const Utf8Sequence sequence = Utf8SequenceAt(folded, at);
    if (Kept(sequence.code_point)) key.append(folded, at, sequence.length);
    at += sequence.length;
  }
  return key;
}
