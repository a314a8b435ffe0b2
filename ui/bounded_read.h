// The one rule by which every platform's file services read within a bound: a file of more
// bytes than a whole read allows is refused before its first byte is read, and one that grows
// past the bound while it is read is refused too, as a file without read access is (70).
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>

#include "ui/failure.h"
#include "ui/services.h"

// Reads a file of `size` bytes, as its system reports the size, within `max_bytes` and
// `bound`: `read_chunk(buffer, wanted)` fills at most `wanted` bytes and returns how many, 0
// at the end of the file.
template <typename ReadChunk>
std::string ReadWithinBound(std::uintmax_t size, std::size_t max_bytes, ReadBound bound,
                            ReadChunk read_chunk) {
  const bool whole = bound == ReadBound::kRefuseLonger;
  if (whole && size > max_bytes) Fail(failure_code::kPermissionDenied);
  // One byte past a whole read's bound tells a file that grew.
  const std::size_t wanted_at_most = whole && max_bytes < SIZE_MAX ? max_bytes + 1 : max_bytes;
  std::string bytes;
  bytes.reserve(static_cast<std::size_t>(std::min<std::uintmax_t>(size, wanted_at_most)));
  char buffer[65536];
  while (bytes.size() < wanted_at_most) {
    const std::size_t got = read_chunk(buffer, std::min(sizeof buffer, wanted_at_most - bytes.size()));
    if (got == 0) break;
    bytes.append(buffer, got);
  }
  if (bytes.size() > max_bytes) Fail(failure_code::kPermissionDenied);
  return bytes;
}
