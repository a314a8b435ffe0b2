// Reading and replacing whole files with POSIX calls, the file system's answers mapped to
// the program's failure codes. Shared by the in-memory platform and the X11 saver.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// The first `max_bytes` bytes of the file at the native `path`. Throws a Failure.
std::string ReadNativeFileStart(const std::string& path, std::size_t max_bytes);

// Writes `path`.new, syncs it and renames it over `path`; a failure leaves the old file as it
// was and is thrown.
void ReplaceNativeFile(const std::string& path, std::string_view bytes);
