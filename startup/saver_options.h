// The Linux saver's command line as one table: each option's name, the argument it takes,
// what it sets and its line of help. The table parses the arguments, refuses a setting by
// the options dialog's own rules, and writes --help. Every option may be written with one
// dash or two, and a value may follow its option after "=" as well as in the next argument.
#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "startup/settings_file.h"

enum class DrawingTarget {
  kOwnWindow,    // a top-level window of the program's own, over the whole screen
  kRootWindow,   // the window the host names in XSCREENSAVER_WINDOW, else the root
  kGivenWindow,  // a window named by its number
};

struct SaverOptions {
  DrawingTarget target = DrawingTarget::kOwnWindow;
  unsigned long window_id = 0;  // kGivenWindow; kRootWindow when the host names one
  SettingsOverride settings;
  std::string jokes_path;  // empty: the usual places
};

// What an option sets.
enum class OptionEffect {
  kOwnWindow, kRootWindow, kGivenWindow,  // where to draw
  kDelay, kClean, kRude, kMedical, kRudeMedical,  // settings in place of the settings file's
  kJokeFile,
  kHelp, kVersion,
  kHostOnly,  // one a host may give any display program, which changes nothing here
};

struct SaverOptionRow {
  std::string_view name;      // as --help writes it
  std::string_view argument;  // the name of the value it takes, as --help writes it; empty: none
  OptionEffect effect;
  std::string_view help;
};

std::span<const SaverOptionRow> SaverOptionTable();

enum class SaverCommand { kRun, kHelp, kVersion, kRefused };

struct ParsedOptions {
  SaverCommand verdict = SaverCommand::kRun;
  SaverOptions options;
  std::string refusal;  // kRefused: one line naming the option or variable and what it allows
};

// `arguments`: those after the program's name; `host_window`: XSCREENSAVER_WINDOW, or null
// when it is not set.
ParsedOptions ParseSaverOptions(const std::vector<std::string>& arguments, const char* host_window = nullptr);

// The largest number an X window can have: the protocol keeps the top three of its 32 bits 0.
inline constexpr unsigned long kLargestWindowId = 0x1FFFFFFF;

// A window number as X11 tools write it: decimal, or hexadecimal after "0x"; none for
// anything else, for 0, and for a number no window can have.
std::optional<unsigned long> ParseWindowId(std::string_view text);

// What --help prints, made from the table.
std::string SaverUsage();
