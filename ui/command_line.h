// The command line as Windows hands it over, and the mode its screen-saver switch names.
#pragma once

#include <string>
#include <string_view>

#include "ui/services.h"

// Everything after the program's name (quoted or not) and the blanks behind it.
std::string ArgumentTextOf(std::string_view command_line);

// The mode of a screen saver's argument text, compared whole and case-sensitively: exactly
// "/c" configures, exactly "/s" saves, and anything else (the preview's "/p" and a window,
// a switch with a colon and a window, capitals, nothing) starts nothing.
ProgramMode ModeOfSwitch(std::string_view argument_text);
