// Reading and replacing whole files with POSIX calls, the file system's answers mapped to
// the program's failure codes. Shared by the in-memory platform and the X11 saver.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "ui/services.h"

// At most `max_bytes` of the regular file at the native `path`, within `bound`, as
// Services::ReadFileBytes reads. Throws a Failure.
std::string ReadNativeFile(const std::string& path, std::size_t max_bytes, ReadBound bound);

// Writes a new temporary file of its own beside `path` (never one that was there, nor through
// a link), with the old file's permissions, syncs it and renames it over `path`; a failure
// leaves the old file as it was, removes the temporary and is thrown.
void ReplaceNativeFile(const std::string& path, std::string_view bytes);

// Makes the folders above the native `path` that are missing, readable by their owner
// alone, as a fresh account lacks the program's own; a folder that cannot be made is
// thrown as the failure its write would meet (70 for one without write access).
void MakeParentFolders(const std::string& path);
