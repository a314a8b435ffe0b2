// What the checker says about how a file's bytes became text: a file that is not text at
// all (UTF-16 saved without its mark, or a binary file) gets one reason instead of a
// finding on every line; a file that is text may hold letters that will not show as written.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "checker/joke_file_check.h"
#include "startup/joke_file_encoding.h"

struct NotText {
  LineNumber line = 0;
  std::string reason;  // empty: the file is text
};

NotText WhyNotText(std::string_view bytes, const DecodedText& decoded);

// One warning where UTF-8 broke in a file otherwise UTF-8, and one where a marked file
// first holds bytes its encoding does not allow.
std::vector<CheckFinding> DecodingWarnings(const DecodedText& decoded, Services& services);
