// The three byte-order marks an editor writes at the start of a Unicode text file.
#include "checker/encoding_check.h"

#include "checker/byte_check.h"

namespace {

const ByteOrderMark kMarks[] = {
    {"UTF-8", "\xEF\xBB\xBF", false},
    {"UTF-16 little-endian", "\xFF\xFE", true},
    {"UTF-16 big-endian", "\xFE\xFF", true},
};

}  // namespace

const ByteOrderMark* ByteOrderMarkOf(const std::string& bytes) {
  for (const ByteOrderMark& mark : kMarks) {
    if (bytes.rfind(mark.bytes, 0) == 0) return &mark;
  }
  return nullptr;
}

std::string WhatTheFileIs(const ByteOrderMark& mark) {
  std::string shown;
  for (const char* at = mark.bytes; *at != '\0'; ++at) shown.append(" ").append(Hex(static_cast<unsigned char>(*at)));
  return std::string("the file is ") + mark.encoding + " text (it starts with the byte-order mark" + shown + ")";
}
