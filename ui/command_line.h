// The argument text of a full command line as Windows hands it over.
#pragma once

#include <string>
#include <string_view>

// Everything after the program's name (quoted or not) and the blanks behind it.
std::string ArgumentTextOf(std::string_view command_line);
