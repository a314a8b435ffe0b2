// The saver window from start-up to exit on the headless platform: what start-up shows,
// the intro, arming at 3.6 s, and which input ends the program.
#include <gtest/gtest.h>

#include "platform/headless/headless_services.h"
#include "platform/headless/headless_window_system.h"
#include "startup/program.h"
#include "tests/support/temp_folder.h"
#include "startup/web_endpoints.h"

namespace {

constexpr int kShiftKey = 16;

class SaverWindowTest : public ::testing::Test {
 protected:
  SaverWindowTest() {
    folder.Write("jokes.txt", "\"db\",1,4\r\nclean,0,0\r\nThe only joke.\r\n</joke>\r\n");
    folder.Write("Qorv.ini", "clean\r\nmedicalno\r\n 7 \r\n");
    RunHeadless([&] { program.Main(); });
  }
  const HeadlessControl& Shown(const std::string& control) {
    return windows.ControlOf("Form1", control);
  }
  bool Ended() { return windows.program_ended(); }

  TempFolder folder;
  HeadlessMachine machine;
  HeadlessServices services{machine, "/s", folder.path()};
  HeadlessWindowSystem windows;
  Program program{services, windows};
};

TEST_F(SaverWindowTest, StartUpShowsTheIntroWithTheCursorHiddenOnce) {
  EXPECT_TRUE(windows.IsShown("Form1"));
  EXPECT_EQ(services.cursor_calls, (std::vector<bool>{false}));
  EXPECT_EQ(Shown("Label1").alignment, TextAlignment::kCenter);
  EXPECT_EQ(program.form1.Get().Timer1.interval(), 7000);
  EXPECT_EQ(Shown("Timer1").timer_interval, 0) << "the display timer waits for the intro";
  EXPECT_TRUE(Shown("Picture1").visible);
  EXPECT_EQ(Shown("Label3").text, "Zorbel Joke Screen Saver");
  EXPECT_EQ(Shown("Label10").text,
            "The following message only appears as this is the \"test version\" of the Zorbel "
            "Joke Screensaver Version 4.0. ");
  EXPECT_NE(Shown("Label9").text.find("Faultwatch(tm) at " + endpoints::ProductPageAddress() + " . We "
                                      "thank you for your co-operation. "),
            std::string::npos);
  EXPECT_FALSE(Shown("labelxx").visible);
  EXPECT_EQ(Shown("labelxx").text, "Label8");
}

TEST_F(SaverWindowTest, InputBeforeArmingIsIgnoredAndAfterItEndsTheProgram) {
  windows.AdvanceTo(3000);
  windows.KeyDown('A');
  windows.TypeCharacter('a');
  windows.MoveMouse();
  windows.Click();
  windows.Click("Label1");
  EXPECT_FALSE(Ended());
  EXPECT_EQ(services.cursor_calls.size(), 1u);

  windows.AdvanceTo(3500);
  EXPECT_FALSE(Shown("Picture1").visible) << "the intro goes at 3.5 s";
  EXPECT_EQ(Shown("Timer1").timer_interval, 7000);
  windows.AdvanceTo(3599);
  windows.MoveMouse("Label1");
  EXPECT_FALSE(Ended()) << "not armed before 3.6 s";

  windows.AdvanceTo(4000);
  EXPECT_EQ(Shown("labelxx").text, "ok");
  EXPECT_EQ(Shown("Timer2").timer_interval, 0);
  EXPECT_EQ(Shown("Timer3").timer_interval, 0);
  windows.KeyDown('A');
  EXPECT_TRUE(Ended());
  EXPECT_EQ(services.cursor_calls, (std::vector<bool>{false, true}));
  EXPECT_EQ(services.cursor_count, 0) << "one hide, one show";
  const std::size_t journal_length = windows.journal.size();
  windows.Advance(60000);
  windows.KeyDown('A');
  EXPECT_EQ(windows.journal.size(), journal_length) << "nothing runs after the end";
}

TEST_F(SaverWindowTest, EachKindOfArmedInputEndsButNotOverTheNoticeLabels) {
  const std::vector<std::function<void(HeadlessWindowSystem&)>> enders = {
      [](HeadlessWindowSystem& w) { w.KeyDown(kShiftKey, 1); },
      [](HeadlessWindowSystem& w) { w.MoveMouse(); },
      [](HeadlessWindowSystem& w) { w.Click(); },
      [](HeadlessWindowSystem& w) { w.MoveMouse("Label1"); },
      [](HeadlessWindowSystem& w) { w.Click("Label1"); },
  };
  for (std::size_t i = 0; i < enders.size(); ++i) {
    HeadlessMachine machine;
    HeadlessServices services{machine, "/s", folder.path()};
    HeadlessWindowSystem windows;
    Program program{services, windows};
    RunHeadless([&] { program.Main(); });
    windows.AdvanceTo(4000);
    for (const char* notice : {"Label9", "Label10"}) {
      windows.MoveMouse(notice);
      windows.Click(notice);
    }
    EXPECT_FALSE(windows.program_ended()) << "the notice labels take the mouse";
    enders[i](windows);
    EXPECT_TRUE(windows.program_ended()) << "input " << i;
    EXPECT_EQ(services.cursor_count, 0);
  }
}

TEST_F(SaverWindowTest, TheFirstItemComesOneDelayAfterTheIntroAndEachTimerStartsOnce) {
  windows.AdvanceTo(10499);
  EXPECT_TRUE(Shown("Label1").text.empty());
  windows.AdvanceTo(10500);
  EXPECT_TRUE(Shown("Label1").visible);
  EXPECT_FALSE(Shown("Label1").text.empty());
  windows.AdvanceTo(60000);
  int intro_hidden = 0;
  int armed = 0;
  for (const std::string& line : windows.journal) {
    intro_hidden += line.find("Form1.Picture1 hidden") != std::string::npos;
    armed += line.find("Form1.labelxx text \"ok\"") != std::string::npos;
  }
  EXPECT_EQ(intro_hidden, 1);
  EXPECT_EQ(armed, 1);
  EXPECT_FALSE(Ended());
}

}  // namespace
