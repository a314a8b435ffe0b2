// Names for the temporary twin a file is written through before it replaces the file: in the
// file's own folder, so the replacement is one rename, and different on every call.
#pragma once

#include <cstdint>
#include <string>

// `path` with a dot, eight scrambled letters and ".tmp" added. `seed` is what the system
// offers to tell this process and moment apart; a count of calls is mixed in besides, so
// retries after a taken name never repeat one.
std::string TemporaryNameBeside(const std::string& path, std::uint64_t seed);
