// The joke files and every text of the program are bytes in the Windows code page 1252;
// Xft and the terminal take UTF-8. These are the conversions between them.
#pragma once

#include <string>
#include <string_view>

// Each byte as the character code page 1252 gives it, in UTF-8. The five bytes the code page
// leaves unassigned become the control characters of the same number, as Windows maps them.
std::string Cp1252ToUtf8(std::string_view bytes);

// A message box's text for stderr: UTF-8, each CR LF a line break, ending with one.
std::string ReportForTerminal(std::string_view text);
