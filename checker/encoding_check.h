// A byte-order mark at the start of a joke file: the file was saved as Unicode text, UTF-8
// or UTF-16, where the saver reads single-byte text in the system's code page.
#pragma once

#include <string>

struct ByteOrderMark {
  const char* encoding;  // "UTF-8", "UTF-16 little-endian", "UTF-16 big-endian"
  const char* bytes;
  bool utf16;  // every character two bytes: nothing in the file reads as meant
};

// The mark the file starts with, or null when it starts with none.
const ByteOrderMark* ByteOrderMarkOf(const std::string& bytes);

// "the file is UTF-8 text (it starts with the byte-order mark 0xEF 0xBB 0xBF)"
std::string WhatTheFileIs(const ByteOrderMark& mark);
