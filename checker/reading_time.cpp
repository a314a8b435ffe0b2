// Reading length and reading time of an entry's text.
#include "checker/reading_time.h"

#include <algorithm>

#include "checker/character_width.h"
#include "startup/settings_vocabulary.h"

std::size_t ReadingLength(const std::string& text) {
  std::size_t breaks = 0;
  for (std::size_t at = text.find("\r\n"); at != std::string::npos; at = text.find("\r\n", at + 2)) ++breaks;
  // Each CR LF counts two for its two characters and one break for the reader.
  return ReaderLength(text) - breaks;
}

int SecondsToRead(std::size_t length) {
  return static_cast<int>((length + kReadingCharactersPerSecond - 1) / kReadingCharactersPerSecond);
}

int ExtraSecondsToRead(std::size_t length) { return std::max(0, SecondsToRead(length) - kDefaultDelaySeconds); }
