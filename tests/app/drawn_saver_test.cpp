// The saver on a home that draws its forms with the drawn toolkit, a recording canvas for a
// screen: the intro is painted, a joke follows after the delay within the screen, a real
// pointer move ends it and one the window's showing causes does not. A failure's report
// takes the place of every form and returns at once; nothing ticks or paints behind it, and
// the program ends, once, when a key or a click closes it.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <stdexcept>

#include "app/program.h"
#include "platform/headless/headless_services.h"
#include "tests/support/recording_canvas.h"
#include "tests/support/temp_folder.h"
#include "ui/failure_net.h"

namespace {

constexpr const char* kJoke = "A zorbel walked into a bar and ordered a screen saver.";

// Services that show their boxes as the drawn toolkit's report, as a drawn home does.
class ReportingServices : public HeadlessServices {
 public:
  ReportingServices(HeadlessMachine& machine, const std::string& folder, RecordingHome& home)
      : HeadlessServices(machine, folder), home_(home) {}
  void ShowMessageBox(const std::string& title, const std::string& text, MessageBoxKind kind,
                      std::function<void()> closed) override {
    message_boxes.push_back({title, text, kind});
    report_window = home_.ShowReportBox({title, text, kind}, std::move(closed));
  }
  [[noreturn]] void EndProgram(int status) override {
    ++ends;
    HeadlessServices::EndProgram(status);
  }
  FormHandle report_window = 0;
  int ends = 0;

 private:
  RecordingHome& home_;
};

struct DrawnSaver {
  DrawnSaver() : services(machine, folder.path(), home), program(services, home, net) {
    folder.Write("jokes.txt", std::string("\"Test jokes\",2,4\r\nclean,0,0\r\n") + kJoke + "\r\n</joke>\r\n");
    home.window_width = 1024;
    home.window_height = 768;
  }
  // Moves the clock on in steps of 100 ms, ticking and painting as a home's loop does.
  void Run(long long milliseconds) {
    for (long long end = home.now_ms + milliseconds; home.now_ms < end && !services.ended;) {
      home.now_ms += 100;
      RunHeadless([&] { home.FireDueTimers(); });
      home.PaintChangedForms();
    }
  }
  bool Drew(const std::string& text) const {
    return std::any_of(home.canvas.texts.begin(), home.canvas.texts.end(),
                       [&](const RecordingCanvas::DrawnText& drawn) { return drawn.text == text; });
  }
  // Whether anything but the report's own texts was painted since the canvas was cleared.
  bool DrewBesideTheReport() const {
    const MessageBoxRecord& report = services.message_boxes.back();
    return std::any_of(home.canvas.texts.begin(), home.canvas.texts.end(), [&](const RecordingCanvas::DrawnText& drawn) {
      return drawn.text != report.title && drawn.text != "OK" && drawn.text != "i" &&
             report.text.find(drawn.text) == std::string::npos;
    });
  }
  TempFolder folder;
  HeadlessMachine machine;
  RecordingHome home;
  ReportingServices services;
  FailureNet net{services};
  Program program;
};

TEST(SaverOnADrawnHome, TheIntroThenTheJokeWithinTheScreenAndARealMoveEndsIt) {
  DrawnSaver saver;
  RunHeadless([&] { saver.program.Main(ProgramMode::kSave); });
  ASSERT_FALSE(saver.services.ended);
  saver.home.PaintChangedForms();
  EXPECT_TRUE(saver.Drew("Zorbel Joke")) << "no intro";
  EXPECT_EQ(saver.home.canvas.calls.front(), "box (0,0,0) 1024x768+0+0");
  saver.home.canvas.texts.clear();
  // The intro stays 3.5 s, then the first joke comes after the delay, 7 s without settings.
  saver.Run(12000);
  ASSERT_TRUE(saver.Drew(kJoke)) << "no joke in 12 s";
  for (const RecordingCanvas::DrawnText& drawn : saver.home.canvas.texts) {
    if (drawn.text != kJoke) continue;
    EXPECT_GE(drawn.box.left, 0);
    EXPECT_GE(drawn.box.top, 0);
    EXPECT_LE(drawn.box.left + drawn.box.width, 1024);
    EXPECT_LE(drawn.box.top + drawn.box.height, 768);
  }
  EXPECT_TRUE(saver.services.message_boxes.empty());

  // The saver's form is the first and only one; the pointer rests at 300,200 as it shows.
  saver.home.PointerSeenAt(1, 300, 200);
  RunHeadless([&] { saver.home.PointerMoved(1, 300, 200, 300, 200, 0, 0); });
  EXPECT_FALSE(saver.services.ended);
  RunHeadless([&] { saver.home.PointerMoved(1, 340, 200, 340, 200, 0, 0); });
  EXPECT_TRUE(saver.services.ended);
}

TEST(ReportOnADrawnHome, AFailedStartShowsItAndEndsOnlyWhenAKeyClosesIt) {
  DrawnSaver run;
  std::filesystem::remove(run.folder.File("jokes.txt"));  // the start-up report
  RunHeadless([&] { run.program.Main(ProgramMode::kSave); });
  ASSERT_EQ(run.services.message_boxes.size(), 1u);
  EXPECT_EQ(run.services.message_boxes.back().title, "D'oh! An error occurred");
  EXPECT_FALSE(run.services.ended) << "Main did not come back with the report up";
  run.Run(5000);
  EXPECT_FALSE(run.services.ended);
  EXPECT_EQ(run.home.MillisecondsToNextTimer(), -1) << "a timer runs behind the report";
  EXPECT_FALSE(run.DrewBesideTheReport());
  EXPECT_EQ(run.home.canvas.calls.front(), "box (0,0,0) 1024x768+0+0");

  RunHeadless([&] { run.home.KeyWentDown(run.services.report_window, Key::kSpace, 0, ' '); });
  EXPECT_TRUE(run.services.ended);
  EXPECT_EQ(run.services.ended_with, exit_status::kFailed);
  EXPECT_EQ(run.services.ends, 1);
}

TEST(ReportOnADrawnHome, AFailingTickLeavesTheReportAloneAndAClickEndsTheProgramOnce) {
  DrawnSaver run;
  RunHeadless([&] { run.program.Main(ProgramMode::kSave); });
  run.Run(1000);
  ASSERT_FALSE(run.services.ended);
  ASSERT_TRUE(run.services.message_boxes.empty());
  // The saver reads the clock for its next joke: from now on that fails inside a tick.
  run.services.time_of_day = []() -> double { throw std::runtime_error("no clock"); };
  run.Run(12000);
  ASSERT_EQ(run.services.message_boxes.size(), 1u) << "no report for the failing tick";
  EXPECT_EQ(run.services.message_boxes.back().kind, MessageBoxKind::kPlain);
  EXPECT_FALSE(run.services.ended) << "ended under the report";

  // Behind the report nothing runs: no timer is left, and only the report is painted.
  run.home.canvas.texts.clear();
  run.home.windows.clear();
  run.Run(20000);
  EXPECT_FALSE(run.services.ended);
  EXPECT_EQ(run.home.MillisecondsToNextTimer(), -1);
  EXPECT_FALSE(run.DrewBesideTheReport());
  EXPECT_TRUE(run.home.windows.empty()) << run.home.windows.front();

  const FormHandle box = run.services.report_window;
  RunHeadless([&] { run.home.PointerMoved(box, 40, 40, 40, 40, 0, 0); });
  EXPECT_FALSE(run.services.ended) << "a move closed the report";
  RunHeadless([&] { run.home.PointerPressed(box, 40, 40, 1, 0); });
  EXPECT_TRUE(run.services.ended);
  EXPECT_EQ(run.services.ended_with, exit_status::kFailed);
  RunHeadless([&] { run.home.PointerPressed(box, 40, 40, 1, 0); });
  RunHeadless([&] { run.home.KeyWentDown(box, Key::kEnter, 0, 0); });
  EXPECT_EQ(run.services.ends, 1);
}

}  // namespace
