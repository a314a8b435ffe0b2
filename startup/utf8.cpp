// The UTF-8 sequence rules: the lead byte says how many bytes follow and in which range the
// second one lies, which is what keeps out overlong forms, surrogates and U+110000 on.
#include "startup/utf8.h"

namespace {

bool IsContinuation(unsigned char byte) { return (byte & 0xC0) == 0x80; }

}  // namespace

Utf8Sequence Utf8SequenceAt(std::string_view text, std::size_t at) {
  const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
  const unsigned char lead = byte(at);
  if (lead < 0x80) return {1, true, lead};
  std::size_t length = 0;
  unsigned char second_low = 0x80;
  unsigned char second_high = 0xBF;
  char32_t code_point = 0;
  if (lead >= 0xC2 && lead <= 0xDF) {
    length = 2;
    code_point = lead & 0x1F;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3;
    code_point = lead & 0x0F;
    if (lead == 0xE0) second_low = 0xA0;   // below: an overlong form
    if (lead == 0xED) second_high = 0x9F;  // above: a surrogate
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4;
    code_point = lead & 0x07;
    if (lead == 0xF0) second_low = 0x90;   // below: an overlong form
    if (lead == 0xF4) second_high = 0x8F;  // above: past U+10FFFF
  } else {
    return {};
  }
  if (at + 1 >= text.size() || byte(at + 1) < second_low || byte(at + 1) > second_high) return {};
  for (std::size_t i = 1; i < length; ++i) {
    if (at + i >= text.size() || !IsContinuation(byte(at + i))) return {i, false, kReplacementCharacter};
    code_point = (code_point << 6) | (byte(at + i) & 0x3F);
  }
  return {length, true, code_point};
}

bool IsWellFormedUtf8(std::string_view text) {
  for (std::size_t at = 0; at < text.size();) {
    const Utf8Sequence sequence = Utf8SequenceAt(text, at);
    if (!sequence.well_formed) return false;
    at += sequence.length;
  }
  return true;
}

void AppendUtf8(std::string& out, char32_t code_point) {
  if (code_point < 0x80) {
    out += static_cast<char>(code_point);
  } else if (code_point < 0x800) {
    out += static_cast<char>(0xC0 | (code_point >> 6));
    out += static_cast<char>(0x80 | (code_point & 0x3F));
  } else if (code_point < 0x10000) {
    out += static_cast<char>(0xE0 | (code_point >> 12));
    out += static_cast<char>(0x80 | ((code_point >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (code_point & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (code_point >> 18));
    out += static_cast<char>(0x80 | ((code_point >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((code_point >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (code_point & 0x3F));
  }
}
