// In-memory process services for running the program in tests: an instance lock shared by
// every program on the same machine object, a recorded pointer, opened addresses and message
// boxes, the program's own files in a native folder as Windows keeps them beside the
// program, and code page 1252 and the C library's letter case as on Linux.
#pragma once

#include <functional>
#include <set>
#include <string>
#include <vector>

#include "platform/posix/code_page_1252.h"
#include "platform/posix/letter_case.h"
#include "ui/failure_in_flight.h"
#include "ui/services.h"

// Thrown by EndProgram to unwind out of whatever runs; RunHeadless catches it.
struct ProgramEnded : ProgramEnding {};

// What several programs started in one test share, like one Windows session.
struct HeadlessMachine {
  std::set<std::string> held_locks;
};

struct MessageBoxRecord {
  std::string title;
  std::string text;
  MessageBoxKind kind = MessageBoxKind::kPlain;
  bool operator==(const MessageBoxRecord&) const = default;
};

// Hears of each message box: it takes the activation from the program's active window and
// gives it back when it closes.
class MessageBoxWatcher {
 public:
  virtual ~MessageBoxWatcher() = default;
  virtual void BoxOpened() = 0;
  virtual void BoxClosed() = 0;
};

class HeadlessServices : public Services {
 public:
  HeadlessServices(HeadlessMachine& machine, std::string program_directory);
  ~HeadlessServices() override;

  bool AcquireSingleInstance() override;
  bool HasSetupScreen() override { return has_setup_screen; }
  void SetPointerHidden(bool hidden) override;
  void OpenAddress(const std::string& address) override;
  // Beside the program, in the Windows form ("dir\\jokes.txt").
  std::string OwnFilePlace(OwnFile file) override;
  void ReplaceOwnFile(OwnFile file, std::string_view bytes) override;
  std::string ReadFileBytes(const std::string& path, std::size_t max_bytes, ReadBound bound) override;
  std::string AnsiToUtf8(std::string_view bytes) override { return Cp1252ToUtf8(bytes); }
  std::string AnsiCodePageName() override { return "code page 1252"; }
  std::string FoldCase(std::string_view utf8) override { return FoldCaseUtf8(utf8); }
  void ShowMessageBox(const std::string& title, const std::string& text, MessageBoxKind kind,
                      std::function<void()> closed = {}) override;
  void Diagnose(const std::string& line) override { diagnostics.push_back(line); }
  double TimeOfDaySeconds() override { return time_of_day(); }
  [[noreturn]] void EndProgram(int status) override;

  // The clock the program reads; frozen at midnight unless a test sets another.
  std::function<double()> time_of_day = [] { return 0.0; };

  // What a user would have seen, in order.
  std::vector<MessageBoxRecord> message_boxes;
  std::vector<std::string> opened_addresses;
  std::vector<std::string> diagnostics;
  // Boxes and opened addresses in the order they came: "box: TITLE", "open: ADDRESS".
  std::vector<std::string> sequence;
  // Runs while a box is up, as a user would look at the screen behind it.
  std::function<void(const MessageBoxRecord&)> while_box_shows;
  // Whether a box stays up until the test closes it with CloseMessageBox; by default each
  // box is closed as soon as it has shown, as by a user who presses OK at once.
  bool boxes_wait_for_user = false;
  // How many boxes are up, waiting for the user.
  std::size_t boxes_up() const { return waiting_boxes_.size(); }
  // Closes the newest box that is up, as its OK button would: what the program does once
  // it is closed runs now.
  void CloseMessageBox();
  // The window system whose active form each box takes the activation from; none: no form's.
  MessageBoxWatcher* box_watcher = nullptr;
  // Each request to hide (true) or show (false) the pointer, and where it stands.
  std::vector<bool> pointer_hidden_calls;
  bool pointer_hidden = false;
  bool ended = false;
  int ended_with = exit_status::kSucceeded;  // the exit status it ended with
  // Whether the platform played has the setup screen.
  bool has_setup_screen = true;

 private:
  HeadlessMachine& machine_;
  std::string program_directory_;
  bool holds_lock_ = false;
  // What each box that is up leaves to run when it closes, the newest last.
  std::vector<std::function<void()>> waiting_boxes_;
  void BoxClosed(const std::function<void()>& closed);
};

// Runs a piece of the program until it returns or ends the program.
void RunHeadless(const std::function<void()>& body);

// A program path in the Windows form the program builds ("dir\name") as a native path.
std::string NativePath(const std::string& path);
