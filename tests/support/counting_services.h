// Headless services that count the reads and the bytes the program takes from files, for the
// readers that must take no more of a file than they need.
#pragma once

#include <string>

#include "platform/headless/headless_services.h"

class CountingServices : public HeadlessServices {
 public:
  using HeadlessServices::HeadlessServices;
  std::string ReadFileBytes(const std::string& path, std::size_t max_bytes, ReadBound bound) override {
    std::string bytes = HeadlessServices::ReadFileBytes(path, max_bytes, bound);
    bytes_read += bytes.size();
    ++reads;
    return bytes;
  }
  std::size_t bytes_read = 0;
  int reads = 0;
};
