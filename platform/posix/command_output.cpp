// Writing to the standard streams and telling when stdout failed.
#include "platform/posix/command_output.h"

#include <cerrno>
#include <cstdio>
#include <cstring>

#include "startup/shown_text.h"
#include "ui/services.h"

int PrintedOnStdout(const std::string& program, const std::string& text) {
  if (std::fwrite(text.data(), 1, text.size(), stdout) == text.size() && std::fflush(stdout) == 0) {
    return exit_status::kSucceeded;
  }
  WriteDiagnostic(program, std::string("cannot write to standard output: ") + std::strerror(errno));
  return exit_status::kFailed;
}

void WriteDiagnostic(const std::string& program, const std::string& message) {
  const std::string shown = ShownLines(program + ": " + message);
  std::fwrite(shown.data(), 1, shown.size(), stderr);
  std::fflush(stderr);
}
