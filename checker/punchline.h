// An entry's punchline, its last text line, in the form two punchlines are compared in:
// the same joke told twice often differs only in capitals, blanks and punctuation.
#pragma once

#include <string>

#include "ui/services.h"

// The last line of a text as the saver stores it (lines joined by CR LF).
std::string LastLine(const std::string& text);

// The line with its letters folded to one case by the system's rules, in any script, and
// without blanks, punctuation and control characters (ASCII's, Latin-1's, the general
// punctuation block's and the CJK one's).
std::string PunchlineKey(const std::string& line, Services& services);
