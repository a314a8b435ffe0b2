// How a joke file's bytes become text: a byte-order mark names UTF-8 or UTF-16 (little- or
// big-endian) and is dropped; with no mark, a file that is well-formed UTF-8 throughout is
// UTF-8; anything else is in the system's single-byte code page ("ANSI"). Every reader of a
// joke file, the saver's, the setup window's and the checker's, goes through this one rule.
// Broken input never stops the reading: what a marked encoding does not allow becomes U+FFFD.
#pragma once

#include <string>
#include <string_view>

#include "startup/text_reader.h"
#include "ui/services.h"

enum class TextEncoding { kUtf8, kUtf8WithMark, kUtf16LittleEndian, kUtf16BigEndian, kAnsi };

struct DecodedText {
  std::string text;  // UTF-8, every sequence well formed
  TextEncoding encoding = TextEncoding::kUtf8;
  // UTF-8 with a mark or UTF-16: the first line holding a sequence the encoding does not
  // allow, now U+FFFD; 0 when there is none.
  LineNumber first_replaced_line = 0;
  // ANSI: the line where UTF-8 first broke in a file that held UTF-8 letters before or after
  // it, as a file typed in a UTF-8 editor with a few bytes from elsewhere does; 0 otherwise.
  LineNumber utf8_broken_line = 0;
};

// The encoding a file starting with these bytes is read in, by its mark alone; kUtf8 when
// there is none, which leaves UTF-8 or ANSI to the rest of the file.
TextEncoding EncodingByMark(std::string_view bytes);

DecodedText DecodeJokeFile(std::string_view bytes, Services& services);

// "UTF-8", "UTF-8 with a byte-order mark", "UTF-16 little-endian", "UTF-16 big-endian" or
// "ANSI (code page 1252)".
std::string EncodingName(TextEncoding encoding, Services& services);
