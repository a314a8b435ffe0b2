// The saver program's command line, in the manner of the desktop's display programs: where
// to draw (-root, -window, -window-id ID), the settings that take the place of the settings
// file's (-delay N, -rude, -medical, -rude-medical), the joke file (-jokes FILE), --help and --version.
// Every option may be written with one dash or two.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "startup/settings_file.h"

enum class DrawingTarget {
  kOwnWindow,    // -window: a top-level window of the program's own, over the whole screen
  kRootWindow,   // -root: the window the host names in XSCREENSAVER_WINDOW, else the root
  kGivenWindow,  // -window-id ID
};

struct SaverOptions {
  DrawingTarget target = DrawingTarget::kOwnWindow;
  unsigned long window_id = 0;  // kGivenWindow
  SettingsOverride settings;
  std::string jokes_path;  // empty: the usual places
};

enum class SaverCommand { kRun, kHelp, kVersion, kRefused };

struct ParsedOptions {
  SaverCommand verdict = SaverCommand::kRun;
  SaverOptions options;
  std::string refusal;  // kRefused: one line naming the option and what it allows
};

// The arguments after the program's name.
ParsedOptions ParseSaverOptions(const std::vector<std::string>& arguments);

// A window number as X11 tools write it: decimal, or hexadecimal after "0x"; none for
// anything else, 0 included.
std::optional<unsigned long> ParseWindowId(const std::string& text);

// What --help prints.
std::string SaverUsage();
