// zorbel-check: the joke-file checker as a native command, reading files with the same
// file access and failure codes as the program on this platform. Named no file, it checks
// the one the Linux saver reads: the user's own, else the collection the package installs.
#include <unistd.h>

#include <cstdlib>
#include <iostream>
#include <string>
#include <vector>

#include "checker/check_command.h"
#include "platform/headless/headless_services.h"
#include "platform/posix/data_paths.h"

int main(int argc, char** argv) {
  std::vector<std::string> files(argv + 1, argv + argc);
  if (files.empty()) {
    files.push_back(JokesFilePath("", std::getenv, [](const std::string& path) {
      return access(path.c_str(), F_OK) == 0;
    }));
  }
  HeadlessMachine machine;
  HeadlessServices services(machine, "", "");
  return RunCheckCommand(files, services, std::cout);
}
