// The process services the program asks of its home, by what it wants done, not how: the
// instance lock, the pointer hidden, an address opened, its own files by their role and
// other files by path, the system's code page and letter case, message boxes, the clock and
// ending at once. Each home decides how; the headless one keeps them in memory.
#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>

// The process's exit status: a run that ended in a failure box says so to whoever started it.
namespace exit_status {
inline constexpr int kSucceeded = 0;
inline constexpr int kFailed = 1;
}  // namespace exit_status

// What the program was started to do, as each home's entry point reads it from its own
// command line: open the setup screen, cover the screen as the saver, show the saver in a
// host's preview pane, or nothing at all (the program then ends without a window).
enum class ProgramMode { kNothing, kConfigure, kSave, kPreview };

// The icon a message box shows beside its text; every box has an OK button only.
enum class MessageBoxKind { kPlain, kInformation, kExclamation, kStop };

// The program's own files, which each home keeps in a place of its own choosing.
enum class OwnFile { kJokes, kSettings };

// How far a file is read: its start up to a number of bytes, or the whole of it, which a
// longer file cannot be.
enum class ReadBound { kStopThere, kRefuseLonger };

// Paths are UTF-8 text, whatever the code page of the texts the program shows and reads:
// the platform opens a file of any name and any length by it.
class Services {
 public:
  virtual ~Services() = default;

  // Takes the lock held for the whole run; false when another copy already holds it.
  virtual bool AcquireSingleInstance() = 0;
  // Whether the platform has the setup screen some of the program's messages send the user to.
  virtual bool HasSetupScreen() { return true; }
  // Hides the pointer over the program's windows, or shows it again; asking for the state
  // it is in already changes nothing.
  virtual void SetPointerHidden(bool hidden) = 0;
  // Opens a web address in the user's browser and returns at once; whether it could be
  // opened is never examined.
  virtual void OpenAddress(const std::string& address) = 0;

  // Where the home keeps one of the program's own files, as its user would name the place
  // (a path, where the home has files): what the program's diagnostics and the checker name.
  virtual std::string OwnFilePlace(OwnFile file) = 0;
  // At most `max_bytes` of the program's own file, by the rules of ReadFileBytes. A home
  // whose own files are files at their places keeps this.
  virtual std::string ReadOwnFile(OwnFile file, std::size_t max_bytes, ReadBound bound) {
    return ReadFileBytes(OwnFilePlace(file), max_bytes, bound);
  }
  // Puts a complete new file in the place of the program's own one, so that a failure
  // leaves the old one as it was. Throws a Failure.
  virtual void ReplaceOwnFile(OwnFile file, std::string_view bytes) = 0;

  // A file the user names, as the checker reads them: at most `max_bytes` of it, the start
  // of a longer one (kStopThere), or none of it (kRefuseLonger: failure 70). Only a regular
  // file is read: anything else (a folder, a device, a pipe) is refused at once, never
  // waited on, as a file without read access is (failure 70). Throws a Failure with the
  // code the file system's answer maps to.
  virtual std::string ReadFileBytes(const std::string& path, std::size_t max_bytes, ReadBound bound) = 0;
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
  // A box with an OK button only, over the program's active window. `closed` runs once the
  // user has closed it; a home that waits for the box calls it before returning.
  virtual void ShowMessageBox(const std::string& title, const std::string& text, MessageBoxKind kind,
                              std::function<void()> closed = {}) = 0;
  // One line for whoever reads the program's diagnostics, where the platform has such a
  // place (a terminal, a host's log); Windows has none.
  virtual void Diagnose(const std::string&) {}
  // The time of day in seconds since midnight, as finely as the clock tells it.
  virtual double TimeOfDaySeconds() = 0;
  // Ends the program at once with `status`: no further handler runs, no window's close
  // handler runs.
  [[noreturn]] virtual void EndProgram(int status) = 0;
};
