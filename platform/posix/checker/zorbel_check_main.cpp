// zorbel-check: the joke-file checker as a native command on the POSIX services. Named no
// file, it checks the one the Linux saver reads: the user's own, else the collection the
// package installs. --help and --version answer as Linux tools do; a reader of its report
// that has gone leaves it the status of a report not written, not a death by SIGPIPE.
#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <string>
#include <vector>

#include "app/program.h"
#include "checker/check_command.h"
#include "platform/posix/data_paths.h"
#include "platform/posix/posix_services.h"

namespace {

constexpr const char* kUsage =
    "Usage: zorbel-check [FILE]...\n"
    "Checks joke files for the Zorbel screen saver with the saver's own reader, and reports\n"
    "each finding as FILE:LINE: error: ... or FILE:LINE: warning: ..., then a summary.\n"
    "Named no file, it checks the one the saver reads: $XDG_DATA_HOME/zorbel/jokes.txt\n"
    "(~/.local/share/zorbel/jokes.txt) when it exists, else /usr/share/zorbel/jokes.txt.\n"
    "\n"
    "  --help      this text\n"
    "  --version   the version\n"
    "  --          what follows are file names, even those that begin with a dash\n"
    "\n"
    "Exit status: 0 all well, 1 warnings only, 2 the saver would refuse a file or an\n"
    "option is unknown, 3 the report could not be written. man zorbel-check tells more.\n";

}  // namespace

int main(int argc, char** argv) {
  KeepStatusOnBrokenPipes();
  std::vector<std::string> files;
  bool options_end = false;
  for (int i = 1; i < argc; ++i) {
    const std::string argument = argv[i];
    if (options_end || argument.size() < 2 || argument[0] != '-') {
      files.push_back(argument);
    } else if (argument == "--") {
      options_end = true;
    } else if (argument == "--help" || argument == "-h") {
      std::fputs(kUsage, stdout);
      return std::fflush(stdout) == 0 ? 0 : kReportNotWritten;
    } else if (argument == "--version") {
      std::printf("zorbel-check %s\n", kAppVersion);
      return std::fflush(stdout) == 0 ? 0 : kReportNotWritten;
    } else {
      std::fprintf(stderr, "zorbel-check: unknown option \"%s\"; zorbel-check --help lists the options\n",
                   argument.c_str());
      return 2;
    }
  }
  if (files.empty()) files.push_back(JokesFilePath("", std::getenv));
  PosixServices services;
  return RunCheckCommand(files, services, std::cout);
}
