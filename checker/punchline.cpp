// Punchlines compared with case, blanks and punctuation left aside.
#include "checker/punchline.h"

std::string LastLine(const std::string& text) {
  const std::size_t last_break = text.rfind("\r\n");
  return last_break == std::string::npos ? text : text.substr(last_break + 2);
}

std::string PunchlineKey(const std::string& line) {
  std::string key;
  for (const char c : line) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte >= 'A' && byte <= 'Z') key += static_cast<char>(byte - 'A' + 'a');
    else if ((byte >= 'a' && byte <= 'z') || (byte >= '0' && byte <= '9') || byte >= 0x80) key += c;
  }
  return key;
}
