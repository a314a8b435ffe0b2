// The saver on a home that draws its forms with the drawn toolkit, a recording canvas for a
// screen: the intro is painted, a joke follows after the delay within the screen, a real
// pointer move ends it and one the window's showing causes does not.
#include <gtest/gtest.h>

#include <algorithm>

#include "app/program.h"
#include "platform/headless/headless_services.h"
#include "tests/support/recording_canvas.h"
#include "tests/support/temp_folder.h"
#include "ui/failure_net.h"

namespace {

constexpr const char* kJoke = "A zorbel walked into a bar and ordered a screen saver.";

struct DrawnSaver {
  DrawnSaver() : services(machine, folder.path()), program(services, home, net) {
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
  TempFolder folder;
  HeadlessMachine machine;
  HeadlessServices services;
  RecordingHome home;
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

}  // namespace
