// The saver window from start-up to exit on the headless platform: what start-up shows,
// the intro, arming at 3.6 s, and which input ends the program.
#include <gtest/gtest.h>

#include <algorithm>

#include "tests/support/headless_program.h"
#include "tests/support/temp_folder.h"
#include "startup/web_endpoints.h"

namespace {


class SaverWindowTest : public ::testing::Test {
 protected:
  SaverWindowTest() {
    folder.Write("jokes.txt", "\"db\",1,4\r\nclean,0,0\r\nThe only joke.\r\n</joke>\r\n");
    folder.Write("Qorv.ini", "clean\r\nmedicalno\r\n 7 \r\n");
    app.RunMain();
  }
  const HeadlessControl& Shown(const std::string& control) {
    return app.windows.ControlOf("Form1", control);
  }
  bool Ended() { return app.windows.program_ended(); }

  TempFolder folder;
  HeadlessProgram app{"/s", folder.path()};
};

TEST_F(SaverWindowTest, StartUpShowsTheIntroWithTheCursorHiddenOnce) {
  EXPECT_TRUE(app.windows.IsShown("Form1"));
  EXPECT_EQ(app.services.pointer_hidden_calls, (std::vector<bool>{true}));
  EXPECT_EQ(Shown("Label1").alignment, TextAlignment::kCenter);
  EXPECT_EQ(app.program.form1.Get().Timer1.interval(), 7000);
  EXPECT_EQ(Shown("Timer1").timer_interval, 0) << "the display timer waits for the intro";
  EXPECT_TRUE(Shown("Picture1").visible);
  EXPECT_NE(Shown("Label9").text.find(endpoints::ProductPageAddress()), std::string::npos)
      << "the notice names the web host the program was built for";
  EXPECT_FALSE(Shown("labelxx").visible);
}

TEST_F(SaverWindowTest, InputBeforeArmingIsIgnoredAndAfterItEndsTheProgram) {
  app.windows.AdvanceTo(3000);
  app.windows.KeyDown(LetterKey('A'));
  app.windows.TypeCharacter('a');
  app.windows.MoveMouse();
  app.windows.Click();
  app.windows.Click("Label1");
  EXPECT_FALSE(Ended());
  EXPECT_EQ(app.services.pointer_hidden_calls.size(), 1u);

  app.windows.AdvanceTo(3500);
  EXPECT_FALSE(Shown("Picture1").visible) << "the intro goes at 3.5 s";
  EXPECT_EQ(Shown("Timer1").timer_interval, 7000);
  app.windows.AdvanceTo(3599);
  app.windows.MoveMouse("Label1");
  EXPECT_FALSE(Ended()) << "not armed before 3.6 s";

  app.windows.AdvanceTo(4000);
  EXPECT_EQ(Shown("labelxx").text, "ok");
  EXPECT_EQ(Shown("Timer2").timer_interval, 0);
  EXPECT_EQ(Shown("Timer3").timer_interval, 0);
  app.windows.KeyDown(LetterKey('A'));
  EXPECT_TRUE(Ended());
  EXPECT_EQ(app.services.pointer_hidden_calls, (std::vector<bool>{true, false})) << "one hide, one show";
  EXPECT_FALSE(app.services.pointer_hidden);
  const std::size_t journal_length = app.windows.journal.size();
  app.windows.Advance(60000);
  app.windows.KeyDown(LetterKey('A'));
  EXPECT_EQ(app.windows.journal.size(), journal_length) << "nothing runs after the end";
}

TEST_F(SaverWindowTest, EachKindOfArmedInputEndsButNotOverTheNoticeLabels) {
  const std::vector<std::function<void(HeadlessWindowSystem&)>> enders = {
      [](HeadlessWindowSystem& w) { w.KeyDown(Key::kShift, 1); },
      [](HeadlessWindowSystem& w) { w.MoveMouse(); },
      [](HeadlessWindowSystem& w) { w.Click(); },
      [](HeadlessWindowSystem& w) { w.MoveMouse("Label1"); },
      [](HeadlessWindowSystem& w) { w.Click("Label1"); },
  };
  for (std::size_t i = 0; i < enders.size(); ++i) {
    HeadlessProgram run("/s", folder.path());
    run.RunMain();
    run.windows.AdvanceTo(4000);
    for (const char* notice : {"Label9", "Label10"}) {
      run.windows.MoveMouse(notice);
      run.windows.Click(notice);
    }
    EXPECT_FALSE(run.windows.program_ended()) << "the notice labels take the mouse";
    enders[i](run.windows);
    EXPECT_TRUE(run.windows.program_ended()) << "input " << i;
    EXPECT_EQ(run.services.ended_with, exit_status::kSucceeded);
    EXPECT_FALSE(run.services.pointer_hidden);
  }
}

TEST_F(SaverWindowTest, TheWholeScreenWindowIgnoresCloseRequestsAndKeepsSystemKeys) {
  constexpr int kAlt = 4;
  const auto noted = [&](const std::string& what) {
    return std::count(app.windows.journal.begin(), app.windows.journal.end(), "0 ms: Form1 " + what);
  };
  EXPECT_EQ(noted("covers the other monitors"), 1);
  app.windows.AdvanceTo(1000);
  app.windows.Close("Form1");
  app.windows.KeyDown(Key::kF4, kAlt);
  app.windows.PressEscape();
  EXPECT_TRUE(app.windows.IsShown("Form1")) << "neither the close box nor Alt+F4 unloads it";
  EXPECT_FALSE(Ended());
  app.windows.AdvanceTo(4000);
  app.windows.Close("Form1");
  EXPECT_FALSE(Ended()) << "a close request is not user input";
  app.windows.KeyDown(Key::kF4, kAlt);
  EXPECT_TRUE(Ended()) << "once armed, Alt+F4 is a key like any other";
  EXPECT_FALSE(app.services.pointer_hidden);
}

TEST_F(SaverWindowTest, TheFirstItemComesOneDelayAfterTheIntroAndEachTimerStartsOnce) {
  app.windows.AdvanceTo(10499);
  EXPECT_TRUE(Shown("Label1").text.empty());
  app.windows.AdvanceTo(10500);
  EXPECT_TRUE(Shown("Label1").visible);
  EXPECT_FALSE(Shown("Label1").text.empty());
  app.windows.AdvanceTo(60000);
  int intro_hidden = 0;
  int armed = 0;
  for (const std::string& line : app.windows.journal) {
    intro_hidden += line.find("Form1.Picture1 hidden") != std::string::npos;
    armed += line.find("Form1.labelxx text \"ok\"") != std::string::npos;
  }
  EXPECT_EQ(intro_hidden, 1);
  EXPECT_EQ(armed, 1);
  EXPECT_FALSE(Ended());
}

}  // namespace
