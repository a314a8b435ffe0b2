// A message box's text as the Linux saver writes it on stderr.
#pragma once

#include <string>
#include <string_view>

// The text, UTF-8 like every text above the backend, with each CR LF a line break and
// ending with one.
std::string ReportForTerminal(std::string_view text);
