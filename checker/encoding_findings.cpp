// Telling UTF-16 without a mark and binary files by their zero bytes, and the warnings of
// the decoding rule's fallbacks.
#include "checker/encoding_findings.h"

#include <algorithm>

namespace {

// A binary file has zero bytes here and there; a text may hold one by accident.
constexpr std::size_t kZeroBytesOfABinaryFile = 8;

std::size_t ZeroBytesAt(std::string_view bytes, std::size_t parity) {
  std::size_t zeros = 0;
  for (std::size_t at = parity; at < bytes.size(); at += 2) zeros += bytes[at] == '\0' ? 1 : 0;
  return zeros;
}

}  // namespace

NotText WhyNotText(std::string_view bytes, const DecodedText& decoded) {
  // UTF-16 text has a 0 in every pair for each ASCII character (blanks, digits, line ends,
  // punctuation), always on the same side of the pair; a binary file has them anywhere.
  const bool utf16 = decoded.encoding == TextEncoding::kUtf16LittleEndian ||
                     decoded.encoding == TextEncoding::kUtf16BigEndian;
  const std::size_t even = ZeroBytesAt(bytes, 0);
  const std::size_t odd = ZeroBytesAt(bytes, 1);
  const std::size_t most = std::max(even, odd);
  if (!utf16 && most >= 2 && most * 4 >= bytes.size() / 2 && std::min(even, odd) * 8 <= most) {
    return {1, std::string("the file looks like UTF-16 ") + (odd > even ? "little" : "big") +
                   "-endian text saved without its byte-order mark (its zero bytes fall on every other byte): the saver "
                   "cannot tell it from single-byte text and nothing in it reads as meant; save it as UTF-16 with "
                   "its mark (\"Unicode\") or as UTF-8"};
  }
  const std::size_t zeros = static_cast<std::size_t>(std::count(decoded.text.begin(), decoded.text.end(), '\0'));
  if (zeros >= kZeroBytesOfABinaryFile) {
    const std::size_t first = decoded.text.find('\0');
    return {LineEndsBetween(decoded.text, 0, first) + 1,
            "the file holds " + std::to_string(zeros) +
                " zero bytes, the first on this line: it is not a text file, and nothing in it reads as meant"};
  }
  return {};
}

std::vector<CheckFinding> DecodingWarnings(const DecodedText& decoded, Services& services) {
  std::vector<CheckFinding> warnings;
  if (decoded.utf8_broken_line != 0) {
    warnings.push_back({decoded.utf8_broken_line, false,
                        "bytes on this line are not UTF-8, though the file's other letters beyond ASCII are: the "
                        "saver reads the whole file as " + EncodingName(TextEncoding::kAnsi, services) +
                            ", so those letters show wrong too; retype this line's odd letters and save the file "
                            "as UTF-8"});
  }
  if (decoded.first_replaced_line != 0) {
    warnings.push_back({decoded.first_replaced_line, false,
                        "bytes on this line are not " +
                            (decoded.encoding == TextEncoding::kUtf8WithMark ? std::string("UTF-8")
                                                                              : EncodingName(decoded.encoding, services)) +
                            " text, as the file's byte-order mark says: the saver shows \"\xEF\xBF\xBD\" in their "
                            "place"});
  }
  return warnings;
}
