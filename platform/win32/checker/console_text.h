// The checker's report made into the letters a console shows. The report mixes two kinds of
// bytes: file names, which are UTF-8, and the joke file's own text, which is in the code page.
#pragma once

#include <string>

// Each well-formed UTF-8 sequence of two to four bytes as its letter, every other byte as
// the code page has it. Joke text rarely holds such a sequence, and the checker warns where
// it does.
std::wstring ConsoleText(const std::string& report);
