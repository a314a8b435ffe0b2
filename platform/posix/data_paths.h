// Where the Linux saver finds its two files, by the desktop's base-directory rules: the
// settings under the user's configuration folder, the jokes from the command line, the
// user's data folder, or the system-wide copy the package installs; and where a program
// keeps what lasts only while the user is logged in.
#pragma once

#include <functional>
#include <string>

// Reads one environment variable; null when it is not set.
using EnvironmentLookup = std::function<const char*(const char*)>;

inline constexpr const char* kSystemJokesPath = "/usr/share/zorbel/jokes.txt";

// $XDG_CONFIG_HOME/zorbel/Qorv.ini, with ~/.config for a variable unset, empty or not an
// absolute path; empty when there is no home either.
std::string SettingsFilePath(const EnvironmentLookup& environment);

// The user's folder for what lasts only while they are logged in ($XDG_RUNTIME_DIR), else
// their cache folder ($XDG_CACHE_HOME, else ~/.cache); empty when there is no home either.
std::string RuntimeFolder(const EnvironmentLookup& environment);

// Whether there is something at `path` (a symbolic link counts by what it points to): the
// one rule by which the saver and the checker tell whether the user has jokes of their own.
bool PathExists(const std::string& path);

// `option` when given; else $XDG_DATA_HOME/zorbel/jokes.txt (~/.local/share) when
// `exists` says it is there; else the system-wide file.
std::string JokesFilePath(const std::string& option, const EnvironmentLookup& environment,
                          const std::function<bool(const std::string&)>& exists = PathExists);
