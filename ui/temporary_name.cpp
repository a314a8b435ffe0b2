// The scrambled names of temporary files, shared by every platform's file replacement.
#include "ui/temporary_name.h"

std::string TemporaryNameBeside(const std::string& path, std::uint64_t seed) {
  static std::uint64_t count = 0;
  const std::uint64_t call = ++count;
  std::uint64_t mix = seed ^ (call << 52) ^ call;
  std::string name = path + ".";
  for (int letter = 0; letter < 8; ++letter) {
    mix = (mix ^ (mix >> 29)) * 0xBF58476D1CE4E5B9ull;
    name += "abcdefghijklmnopqrstuvwxyz0123456789"[(mix >> 32) % 36];
  }
  return name + ".tmp";
}
