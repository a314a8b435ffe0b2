// Code page 1252 to UTF-8: ASCII and Latin-1 keep their numbers; 0x80 to 0x9F hold the
// typographic characters Windows put there.
#include "platform/posix/code_page_1252.h"

#include <cstdint>

#include "startup/utf8.h"

namespace {

// The characters of bytes 0x80 to 0x9F; 0 where the code page assigns none.
constexpr std::uint16_t kHighControls[32] = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0,      0x017D, 0,
    0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178,
};

}  // namespace

std::string Cp1252ToUtf8(std::string_view bytes) {
  std::string out;
  out.reserve(bytes.size());
  for (const char c : bytes) {
    const auto byte = static_cast<unsigned char>(c);
    char32_t code = byte;
    if (byte >= 0x80 && byte < 0xA0 && kHighControls[byte - 0x80] != 0) code = kHighControls[byte - 0x80];
    AppendUtf8(out, code);
  }
  return out;
}
