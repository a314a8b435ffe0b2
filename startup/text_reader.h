// A text file read into memory and taken apart field by field or line by line, by the one
// rule that both the settings file and the joke database follow. A CR LF, a lone LF or a
// lone CR ends a line.
#pragma once

#include <string>
#include <string_view>

#include "startup/field_value.h"

// The number of a line in a file, counted from 1: as wide as a file's size, so that no count
// of line ends overflows it.
using LineNumber = std::size_t;

// The line ends among text[first, last): each LF, and each CR that no LF follows in the
// whole text.
LineNumber LineEndsBetween(std::string_view text, std::size_t first, std::size_t last);

class TextReader {
 public:
  // FIRST_LINE is the number the bytes' first line gets: 1 for a whole file; a text that
  // continues another starts further on.
  explicit TextReader(std::string bytes, LineNumber first_line = 1)
      : bytes_(std::move(bytes)), lines_ended_(first_line - 1) {}

  bool AtEnd() const { return position_ >= bytes_.size(); }

  // The next field: blanks skipped, a quoted text or an unquoted one trimmed at its end,
  // the comma or line end behind it consumed. Failure 62 when already at the end.
  FieldValue ReadField();

  // The rest of the current line, untouched; its line end consumed. Failure 62 at the end.
  std::string ReadLine();

  // The number of the line the next read starts on, counting from 1; at the end of a file
  // whose last line is ended, the number of a line that does not exist.
  LineNumber line_number() const;

 private:
  bool AtLineEnd() const;
  // Consumes a comma or a line end if one stands at the position.
  void ConsumeFieldEnd();
  void FailIfAtEnd() const;

  std::string bytes_;
  std::size_t position_ = 0;
  // Line ends counted so far, up to `counted_to_`: a reader that asks after every record
  // counts each byte once.
  mutable LineNumber lines_ended_;
  mutable std::size_t counted_to_ = 0;
};
