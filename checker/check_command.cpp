// The checker's command line, and reading each file through the platform's services, so
// that a file the saver could not open gives the checker the same code as the saver.
#include "checker/check_command.h"

#include <algorithm>
#include <new>

#include "checker/joke_file_check.h"
#include "startup/joke_database.h"
#include "startup/shown_text.h"
#include "ui/failure_in_flight.h"

namespace {

enum class Asked { kCheck, kHelp, kVersion, kUnknownOption };

struct CommandLine {
  Asked asked = Asked::kCheck;
  std::vector<std::string> files;
  std::string unknown_option;
};

// A dash starts an option, but a dash alone names a file; after "--" everything does. "/?"
// asks for help as Windows' own commands take it.
CommandLine ParseArguments(const std::vector<std::string>& arguments) {
  CommandLine line;
  bool options_end = false;
  for (const std::string& argument : arguments) {
    if (options_end || ((argument.size() < 2 || argument[0] != '-') && argument != "/?")) {
      line.files.push_back(argument);
    } else if (argument == "--") {
      options_end = true;
    } else if (argument == "--help" || argument == "-h" || argument == "/?") {
      return {Asked::kHelp, {}, {}};
    } else if (argument == "--version") {
      return {Asked::kVersion, {}, {}};
    } else {
      return {Asked::kUnknownOption, {}, argument};
    }
  }
  return line;
}

CheckResult CheckFile(const std::string& file, Services& services) {
  std::string bytes;
  try {
    bytes = services.ReadWholeFile(file, kLargestJokeDatabase);
  } catch (...) {
    // A file the system will not give, or one larger than the saver reads, as the saver
    // would see it; but memory the checker lacks says nothing of the file.
    const Failure failure = FailureInFlight();
    if (failure.code == failure_code::kOutOfMemory) throw std::bad_alloc();
    return CannotRead(failure.code, failure.description);
  }
  return CheckJokeBytes(std::move(bytes), services);
}

int Delivered(CheckerOutput& output, int status) { return output.ReportDelivered() ? status : kReportNotWritten; }

}  // namespace

std::string CheckerUsage(const CheckerHome& home) {
  return "Usage: " + home.program_name + " [FILE]...\n"
         "Checks joke files for the Zorbel screen saver with the saver's own reader, and reports\n"
         "each finding as FILE:LINE: error: ... or FILE:LINE: warning: ..., then a summary.\n"
         "Named no file, it checks " + home.default_file + ".\n"
         "\n"
         "  --help      this text\n"
         "  --version   the version\n"
         "  --          what follows are file names, even those that begin with a dash\n"
         "\n"
         "Exit status: 0 all well, 1 warnings only, 2 the saver would refuse a file or an\n"
         "option is unknown, 3 the report could not be written, 4 the checker ran out of\n"
         "memory. " + home.more_help + "\n";
}

int RunCheckCommand(const std::vector<std::string>& arguments, const CheckerHome& home, Services& services,
                    CheckerOutput& output) {
  CommandLine line = ParseArguments(arguments);
  switch (line.asked) {
    case Asked::kHelp: output.Report(CheckerUsage(home)); return Delivered(output, 0);
    case Asked::kVersion: output.Report(home.program_name + " " + home.version + "\n"); return Delivered(output, 0);
    case Asked::kUnknownOption:
      output.Trouble(ShownLines(home.program_name + ": unknown option " + Quoted(line.unknown_option) + "; " +
                        home.program_name + " --help lists the options"));
      return kUnknownOption;
    case Asked::kCheck: break;
  }
  if (line.files.empty()) line.files.push_back(services.OwnFilePlace(OwnFile::kJokes));
  int status = 0;
  for (const std::string& file : line.files) {
    try {
      const CheckResult result = CheckFile(file, services);
      output.Report(FormatReport(file, result));
      status = std::max(status, result.status());
    } catch (const std::bad_alloc&) {
      output.Trouble(ShownLines(home.program_name + ": out of memory while checking " + file + ": no verdict on it"));
      output.ReportDelivered();  // the reports on the files before it still go out; the status is this one
      return kOutOfMemory;
    }
  }
  return Delivered(output, status);
}
