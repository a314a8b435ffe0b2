// zorbel-check: the joke-file checker as a native command on the POSIX services. Named no
// file, it checks the one the Linux saver reads: the user's own, else the collection the
// package installs. A reader of its report that has gone leaves it the status of a report
// not written, not a death by SIGPIPE.
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "app/program.h"
#include "checker/check_command.h"
#include "platform/posix/checker/standard_streams_output.h"
#include "platform/posix/data_paths.h"
#include "platform/posix/posix_services.h"
#include "startup/joke_database.h"

int main(int argc, char** argv) {
  KeepStatusOnBrokenPipes();
  const CheckerHome home{"zorbel-check", kAppVersion,
                         "the one the saver reads: $XDG_DATA_HOME/zorbel/jokes.txt\n"
                         "(~/.local/share/zorbel/jokes.txt) when it exists, else /usr/share/zorbel/jokes.txt",
                         "man zorbel-check tells more."};
  PosixServices services({{OwnFile::kJokes, JokesFilePath("", std::getenv)}});
  StandardStreamsOutput output(stdout, stderr);
  return RunCheckCommand(std::vector<std::string>(argv + 1, argv + argc), home, services, output);
}
