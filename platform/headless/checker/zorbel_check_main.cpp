// zorbel-check: the joke-file checker as a native command, reading files with the same
// file access and failure codes as the program on this platform.
#include <unistd.h>

#include <iostream>
#include <string>
#include <vector>

#include "checker/check_command.h"
#include "platform/headless/headless_services.h"

namespace {

// The folder this program was started from, for the jokes.txt beside it.
std::string OwnFolder() {
  std::string path(4096, '\0');
  const ssize_t length = readlink("/proc/self/exe", path.data(), path.size());
  if (length <= 0) return ".";
  path.resize(static_cast<std::size_t>(length));
  return path.substr(0, path.find_last_of('/'));
}

}  // namespace

int main(int argc, char** argv) {
  HeadlessMachine machine;
  HeadlessServices services(machine, "", OwnFolder());
  return RunCheckCommand(std::vector<std::string>(argv + 1, argv + argc), services, std::cout);
}
