// Field and line reading over a file held in memory.
#include "startup/text_reader.h"

#include <algorithm>
#include <cstring>

#include "startup/numbers.h"
#include "ui/failure.h"

bool TextReader::AtLineEnd() const {
  return !AtEnd() && (bytes_[position_] == '\r' || bytes_[position_] == '\n');
}

void TextReader::ConsumeFieldEnd() {
  if (AtEnd()) return;
  if (bytes_[position_] == ',') {
    ++position_;
  } else if (bytes_[position_] == '\r') {
    ++position_;
    if (!AtEnd() && bytes_[position_] == '\n') ++position_;
  } else if (bytes_[position_] == '\n') {
    ++position_;
  }
}

void TextReader::FailIfAtEnd() const {
  if (AtEnd()) Fail(failure_code::kInputPastEndOfFile);
}

FieldValue TextReader::ReadField() {
  FailIfAtEnd();
  while (!AtEnd() && bytes_[position_] == ' ') ++position_;

  if (!AtEnd() && bytes_[position_] == '"') {
    const std::size_t start = position_ + 1;
    std::size_t closing = bytes_.find('"', start);
    if (closing == std::string::npos) closing = bytes_.size();
    std::string text = bytes_.substr(start, closing - start);
    position_ = closing < bytes_.size() ? closing + 1 : closing;
    while (!AtEnd() && bytes_[position_] != ',' && !AtLineEnd()) ++position_;
    ConsumeFieldEnd();
    if (text.empty()) return std::monostate{};
    return text;
  }

  const std::size_t start = position_;
  while (!AtEnd() && bytes_[position_] != ',' && !AtLineEnd()) ++position_;
  std::string text = bytes_.substr(start, position_ - start);
  ConsumeFieldEnd();
  while (!text.empty() && text.back() == ' ') text.pop_back();
  if (text.empty()) return std::monostate{};
  if (const auto number = ParseDecimalNumber(text)) return *number;
  return text;
}

std::string TextReader::ReadLine() {
  FailIfAtEnd();
  const std::size_t start = position_;
  while (!AtEnd() && !AtLineEnd()) ++position_;
  std::string line = bytes_.substr(start, position_ - start);
  if (AtLineEnd()) ConsumeFieldEnd();
  return line;
}

LineNumber LineEndsBetween(std::string_view text, std::size_t first, std::size_t last) {
  const char* const begin = text.data() + first;
  const char* const end = text.data() + last;
  auto ends = static_cast<LineNumber>(std::count(begin, end, '\n'));
  // A CR ends a line of its own unless the LF of a CR LF follows it.
  for (const char* cr = begin; (cr = static_cast<const char*>(std::memchr(cr, '\r', end - cr))) != nullptr; ++cr) {
    const bool lf_follows = cr + 1 < text.data() + text.size() && cr[1] == '\n';
    if (!lf_follows) ++ends;
  }
  return ends;
}

LineNumber TextReader::line_number() const {
  const std::size_t end = std::min(position_, bytes_.size());
  if (counted_to_ < end) {
    lines_ended_ += LineEndsBetween(bytes_, counted_to_, end);
    counted_to_ = end;
  }
  return lines_ended_ + 1;
}
