// The checker as a command, the same on every home: its arguments (file names, --help,
// --version, --), each named joke file checked and reported in turn, or the program's own
// jokes.txt when none is named; the exit status is the worst verdict, or a status of its
// own when the checker could not give one.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "ui/services.h"

// Higher than every verdict (0 fine, 1 warnings, 2 refused): a report that did not reach its
// reader says nothing, good or bad, about the files.
inline constexpr int kReportNotWritten = 3;
// The checker ran out of memory: it says nothing of the file it was checking, nor of those
// after it.
inline constexpr int kOutOfMemory = 4;
// An option the checker does not know: as for a refused file, nothing was checked as asked.
inline constexpr int kUnknownOption = 2;

// What differs between the homes' checkers: what they are called, and their own words in
// --help.
struct CheckerHome {
  std::string program_name;  // "zorbel-check"
  std::string version;       // "4beta1"
  std::string default_file;  // which file is checked when none is named, for --help
  std::string more_help;     // where to read more, for --help
};

// Where the command's text goes, each home writing it by its own means: plain text, so that
// no home pays for formatting streams it does not use.
class CheckerOutput {
 public:
  virtual ~CheckerOutput() = default;
  // The report or the usage, a file's report at a time, as soon as it is made.
  virtual void Report(std::string_view text) = 0;
  // The command's own trouble: a refused option, the lack of memory.
  virtual void Trouble(std::string_view text) = 0;
  // Sends on what the report holds back; false when any of it did not reach its reader.
  virtual bool ReportDelivered() = 0;
};

// The command's text kept whole, for a home that writes it once the command is done.
class CheckerText : public CheckerOutput {
 public:
  void Report(std::string_view text) override { report.append(text); }
  void Trouble(std::string_view text) override { trouble.append(text); }
  bool ReportDelivered() override { return true; }

  std::string report;
  std::string trouble;
};

// The usage --help prints, ending with "\n".
std::string CheckerUsage(const CheckerHome& home);

// Runs the command line's arguments (those after the program's name): the report or the
// help as the output's report, a refused option or the lack of memory in one line as its
// trouble.
int RunCheckCommand(const std::vector<std::string>& arguments, const CheckerHome& home, Services& services,
                    CheckerOutput& output);
