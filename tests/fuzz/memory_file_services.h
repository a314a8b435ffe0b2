// Process services for the fuzz targets: the one file the program asks for holds the fuzzed
// bytes, kept in memory so that each input costs no file system work.
#pragma once

#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "platform/headless/headless_services.h"
#include "ui/bounded_read.h"
#include "ui/failure.h"

class MemoryFileServices : public HeadlessServices {
 public:
  // `file_name`: the name of the one file the program may read ("jokes.txt").
  MemoryFileServices(HeadlessMachine& machine, std::string file_name, std::string_view bytes)
      : HeadlessServices(machine, "C:\\fuzz"), file_name_(std::move(file_name)),
        bytes_(bytes) {}

  std::string ReadFileBytes(const std::string& path, std::size_t max_bytes, ReadBound bound) override {
    if (!path.ends_with(file_name_)) Fail(failure_code::kFileNotFound);
    std::string_view rest = bytes_;
    return ReadWithinBound(rest.size(), max_bytes, bound, [&](char* buffer, std::size_t wanted) {
      const std::size_t got = rest.copy(buffer, wanted);
      rest.remove_prefix(got);
      return got;
    });
  }

 private:
  std::string file_name_;
  std::string_view bytes_;
};

// Stops the fuzzer with a message when a property does not hold.
#define FUZZ_CHECK(condition)                                                        \
  do {                                                                               \
    if (!(condition)) {                                                              \
      std::fprintf(stderr, "%s:%d: property failed: %s\n", __FILE__, __LINE__, #condition); \
      std::abort();                                                                  \
    }                                                                                \
  } while (false)
