// The decoding rule for joke files, and the UTF-16 and marked UTF-8 decoders; the code page
// is the platform's to convert.
#include "startup/joke_file_encoding.h"

#include "startup/utf8.h"

namespace {

constexpr std::string_view kUtf16LittleEndianMark = "\xFF\xFE";
constexpr std::string_view kUtf16BigEndianMark = "\xFE\xFF";

LineNumber LineAt(std::string_view text, std::size_t at) { return LineEndsBetween(text, 0, at) + 1; }

// Well-formed sequences copied, each broken one replaced.
DecodedText DecodeMarkedUtf8(std::string_view bytes) {
  DecodedText decoded;
  decoded.encoding = TextEncoding::kUtf8WithMark;
  decoded.text.reserve(bytes.size());
  for (std::size_t at = 0; at < bytes.size();) {
    const Utf8Sequence sequence = Utf8SequenceAt(bytes, at);
    if (sequence.well_formed) {
      decoded.text.append(bytes.substr(at, sequence.length));
    } else {
      if (decoded.first_replaced_line == 0) decoded.first_replaced_line = LineAt(bytes, at);
      AppendUtf8(decoded.text, kReplacementCharacter);
    }
    at += sequence.length;
  }
  return decoded;
}

// Surrogate pairs joined; a surrogate without its partner, and an odd last byte, replaced.
DecodedText DecodeUtf16(std::string_view bytes, bool big_endian) {
  DecodedText decoded;
  decoded.encoding = big_endian ? TextEncoding::kUtf16BigEndian : TextEncoding::kUtf16LittleEndian;
  decoded.text.reserve(bytes.size());
  const std::size_t units = bytes.size() / 2;
  const auto unit = [&](std::size_t i) -> char32_t {
    const auto first = static_cast<unsigned char>(bytes[2 * i]);
    const auto second = static_cast<unsigned char>(bytes[2 * i + 1]);
    return big_endian ? (first << 8 | second) : (second << 8 | first);
  };
  const auto replace = [&] {
    if (decoded.first_replaced_line == 0) decoded.first_replaced_line = LineAt(decoded.text, decoded.text.size());
    AppendUtf8(decoded.text, kReplacementCharacter);
  };
  for (std::size_t i = 0; i < units; ++i) {
    const char32_t code = unit(i);
    if (code >= 0xD800 && code <= 0xDBFF && i + 1 < units && unit(i + 1) >= 0xDC00 && unit(i + 1) <= 0xDFFF) {
      AppendUtf8(decoded.text, 0x10000 + ((code - 0xD800) << 10) + (unit(i + 1) - 0xDC00));
      ++i;
    } else if (code >= 0xD800 && code <= 0xDFFF) {
      replace();
    } else {
      AppendUtf8(decoded.text, code);
    }
  }
  if (bytes.size() % 2 != 0) replace();
  return decoded;
}

// Where UTF-8 first breaks in a file with UTF-8 letters in it, or 0.
LineNumber Utf8BrokenLine(std::string_view bytes) {
  std::size_t first_break = std::string_view::npos;
  bool letters = false;
  for (std::size_t at = 0; at < bytes.size() && !(letters && first_break != std::string_view::npos);) {
    const Utf8Sequence sequence = Utf8SequenceAt(bytes, at);
    if (!sequence.well_formed && first_break == std::string_view::npos) first_break = at;
    if (sequence.well_formed && sequence.length > 1) letters = true;
    at += sequence.length;
  }
  return letters && first_break != std::string_view::npos ? LineAt(bytes, first_break) : 0;
}

}  // namespace

TextEncoding EncodingByMark(std::string_view bytes) {
  if (bytes.starts_with(kUtf8Mark)) return TextEncoding::kUtf8WithMark;
  if (bytes.starts_with(kUtf16LittleEndianMark)) return TextEncoding::kUtf16LittleEndian;
  if (bytes.starts_with(kUtf16BigEndianMark)) return TextEncoding::kUtf16BigEndian;
  return TextEncoding::kUtf8;
}

DecodedText DecodeJokeFile(std::string_view bytes, Services& services) {
  switch (EncodingByMark(bytes)) {
    case TextEncoding::kUtf8WithMark: return DecodeMarkedUtf8(bytes.substr(kUtf8Mark.size()));
    case TextEncoding::kUtf16LittleEndian: return DecodeUtf16(bytes.substr(kUtf16LittleEndianMark.size()), false);
    case TextEncoding::kUtf16BigEndian: return DecodeUtf16(bytes.substr(kUtf16BigEndianMark.size()), true);
    case TextEncoding::kUtf8:
    case TextEncoding::kAnsi: break;
  }
  DecodedText decoded;
  if (IsWellFormedUtf8(bytes)) {
    decoded.text = bytes;
  } else {
    decoded.text = services.AnsiToUtf8(bytes);
    decoded.encoding = TextEncoding::kAnsi;
    decoded.utf8_broken_line = Utf8BrokenLine(bytes);
  }
  return decoded;
}

std::string EncodingName(TextEncoding encoding, Services& services) {
  switch (encoding) {
    case TextEncoding::kUtf8: return "UTF-8";
    case TextEncoding::kUtf8WithMark: return "UTF-8 with a byte-order mark";
    case TextEncoding::kUtf16LittleEndian: return "UTF-16 little-endian";
    case TextEncoding::kUtf16BigEndian: return "UTF-16 big-endian";
    case TextEncoding::kAnsi: break;
  }
  return "ANSI (" + services.AnsiCodePageName() + ")";
}
