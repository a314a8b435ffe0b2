// An entry's punchline, its last text line, in the form two punchlines are compared in:
// the same joke told twice often differs only in capitals, blanks and punctuation.
#pragma once

#include <string>

// The last line of a text as the saver stores it (lines joined by CR LF).
std::string LastLine(const std::string& text);

// The line's ASCII letters and digits in lower case, and its bytes beyond ASCII as they
// are; blanks, punctuation and control characters dropped.
std::string PunchlineKey(const std::string& line);
