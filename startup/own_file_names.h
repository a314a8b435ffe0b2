// The names of the program's own files, which every home that keeps them as files uses.
#pragma once

#include "ui/services.h"

inline constexpr const char* kJokeDatabaseFileName = "jokes.txt";
inline constexpr const char* kSettingsFileName = "Qorv.ini";

inline const char* OwnFileName(OwnFile file) {
  return file == OwnFile::kJokes ? kJokeDatabaseFileName : kSettingsFileName;
}
