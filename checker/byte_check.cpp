// The byte checks of one text line.
#include "checker/byte_check.h"

#include <cstdio>

std::string Hex(unsigned char byte) {
  char text[8];
  std::snprintf(text, sizeof text, "0x%02X", byte);
  return text;
}

namespace {

// The length of a well-formed UTF-8 sequence of two to four bytes at `at`, or 0.
std::size_t Utf8SequenceAt(const std::string& line, std::size_t at) {
  const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(line[i]); };
  const unsigned char lead = byte(at);
  std::size_t length = 0;
  if (lead >= 0xC2 && lead <= 0xDF) length = 2;
  else if (lead >= 0xE0 && lead <= 0xEF) length = 3;
  else if (lead >= 0xF0 && lead <= 0xF4) length = 4;
  if (length == 0 || at + length > line.size()) return 0;
  for (std::size_t i = at + 1; i < at + length; ++i) {
    if ((byte(i) & 0xC0) != 0x80) return 0;
  }
  return length;
}

}  // namespace

std::string ByteWarning(const std::string& line) {
  for (std::size_t at = 0; at < line.size(); ++at) {
    const auto byte = static_cast<unsigned char>(line[at]);
    if (byte < 0x20 || byte == 0x7F) {
      std::string what = byte == '\t' ? std::string("a tab (0x09)") : "control character " + Hex(byte);
      what.append(" in the text: the saver shows it as a box or a gap, not as the writer meant");
      return what;
    }
    if (const std::size_t length = Utf8SequenceAt(line, at)) {
      std::string what("bytes");
      for (std::size_t i = at; i < at + length; ++i) what.append(" ").append(Hex(static_cast<unsigned char>(line[i])));
      what.append(" form a UTF-8 character: the saver shows ").append(std::to_string(length));
      what.append(" odd characters instead (save the file as ANSI text)");
      return what;
    }
  }
  return "";
}
