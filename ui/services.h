// The process services the program needs from its platform: command line, instance lock,
// program directory, cursor, shell, files, the system's code page and letter case, message
// boxes, the clock and ending at once. The headless
// platform keeps them in memory (files excepted); the Win32 platform calls Windows.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// One request to the system shell to open a document or address.
struct ShellRequest {
  long long owner_window = 0;
  std::string verb;
  std::string file;
  std::string parameters;
  std::string directory;
  int show_command = 0;
  bool operator==(const ShellRequest&) const = default;
};

// The process's exit status: a run that ended in a failure box says so to whoever started it.
namespace exit_status {
inline constexpr int kSucceeded = 0;
inline constexpr int kFailed = 1;
}  // namespace exit_status

namespace message_box_style {
inline constexpr int kOkOnly = 0;
inline constexpr int kStop = 16;
inline constexpr int kExclamation = 48;
inline constexpr int kInformation = 64;
}  // namespace message_box_style

// How far a file is read: its start up to a number of bytes, or the whole of it, which a
// longer file cannot be.
enum class ReadBound { kStopThere, kRefuseLonger };

// Paths are UTF-8 text, whatever the code page of the texts the program shows and reads:
// the platform opens a file of any name and any length by it.
class Services {
 public:
  virtual ~Services() = default;

  // What follows the program's name on the command line, and the blanks behind it.
  virtual std::string ArgumentText() = 0;
  // Takes the lock held for the whole run; false when another copy already holds it.
  virtual bool AcquireSingleInstance() = 0;
  // The folder holding the program file, without a trailing separator.
  virtual std::string ProgramDirectory() = 0;
  // Where the program's own file `name` ("\\jokes.txt", with its separator) lives: beside the
  // program, unless the platform keeps such files in places of its own.
  virtual std::string OwnFilePath(const std::string& name) { return ProgramDirectory() + name; }
  // Whether the platform has the setup screen some of the program's messages send the user to.
  virtual bool HasSetupScreen() { return true; }
  // The cursor's display counter, as the Windows call keeps it; returns the new count.
  virtual int ShowCursor(bool show) = 0;
  virtual void OpenWithShell(const ShellRequest& request) = 0;
  // At most `max_bytes` of the file: the start of a longer one (kStopThere), or none of it
  // (kRefuseLonger: failure 70). Only a regular file is read: anything else (a folder, a
  // device, a pipe) is refused at once, never waited on, as a file without read access is
  // (failure 70). Throws a Failure with the code the file system's answer maps to.
  virtual std::string ReadFileBytes(const std::string& path, std::size_t max_bytes, ReadBound bound) = 0;
  // The file's first `max_bytes` bytes, fewer only when the file is shorter.
  std::string ReadFileStart(const std::string& path, std::size_t max_bytes) {
    return ReadFileBytes(path, max_bytes, ReadBound::kStopThere);
  }
  // The whole file, which may be no longer than `size_limit`.
  std::string ReadWholeFile(const std::string& path, std::size_t size_limit) {
    return ReadFileBytes(path, size_limit, ReadBound::kRefuseLonger);
  }
  // Text in the system's single-byte ("ANSI") code page as UTF-8: how a joke file that is
  // neither UTF-8 nor UTF-16 is read.
  virtual std::string AnsiToUtf8(std::string_view bytes) = 0;
  // That code page as a person knows it: "code page 1252".
  virtual std::string AnsiCodePageName() = 0;
  // UTF-8 text with each letter in one case by the system's own rules, so that texts that
  // differ only in capitals (Greek's final sigma included) become the same.
  virtual std::string FoldCase(std::string_view utf8) = 0;
  // Writes a complete new file beside the old one and only then puts it in its place, so
  // that a failure leaves the old file as it was. Throws a Failure.
  virtual void ReplaceWholeFile(const std::string& path, std::string_view bytes) = 0;
  // A modal box with an OK button only; its result is never needed.
  virtual void ShowMessageBox(const std::string& title, const std::string& text, int style) = 0;
  // One line for whoever reads the program's diagnostics, where the platform has such a
  // place (a terminal, a host's log); Windows has none.
  virtual void Diagnose(const std::string&) {}
  // The time of day in seconds since midnight, as finely as the clock tells it.
  virtual double TimeOfDaySeconds() = 0;
  // Ends the program at once with `status`: no further handler runs, no window's close
  // handler runs.
  [[noreturn]] virtual void EndProgram(int status) = 0;
};
