// The options dialog on the headless platform: the delay and medical checks in their order,
// the settings file it writes, its design values at every opening, and its links.
#include "tests/setup/setup_fixture.h"

#include <filesystem>

#include "setup/options_check.h"

namespace {

class OptionsDialogTest : public SetupTest {
 protected:
  void SetUp() override {
    SetupTest::SetUp();
    Open();
  }
  void Open() { windows.ClickIn("Form3", "Command1"); }
  bool DialogOpen() const { return windows.FindForm("Form2") != nullptr; }
  // Enters the delay, presses OK and says which box came, if any.
  std::string PressOk(const std::string& delay) {
    windows.TypeInto("Text1", delay);
    services.message_boxes.clear();
    Run([&] { windows.Click("Command1"); });
    return services.message_boxes.empty() ? "" : services.message_boxes.back().title;
  }
};

TEST(CheckOptions, DelayBoundsAreInclusiveAndTheDelayIsCheckedFirst) {
  for (const char* accepted : {"2", "30", "7.5", "12 seconds", "1 5", " 2.0", "&H1E"}) {
    EXPECT_EQ(CheckOptions(accepted, false, true), OptionsVerdict::kAccepted) << accepted;
  }
  for (const char* rejected : {"1.99", "30.01", "0", "-5", "letters", "", "&H1F", "1e999"}) {
    EXPECT_EQ(CheckOptions(rejected, false, false), OptionsVerdict::kInvalidDelay) << rejected;
  }
  EXPECT_EQ(CheckOptions("7", true, true), OptionsVerdict::kMedicalNeedsRude);
  EXPECT_EQ(CheckOptions("99", true, true), OptionsVerdict::kInvalidDelay) << "only the delay message";
  EXPECT_EQ(CheckOptions("7", true, false), OptionsVerdict::kAccepted);
}

TEST_F(OptionsDialogTest, OpensWithItsDesignValuesEveryTime) {
  EXPECT_EQ(windows.FindForm("Form2")->caption, "Screen saver");
  EXPECT_EQ(Shown("Form2", "Text1").text, "30");
  EXPECT_TRUE(Shown("Form2", "Option1").checked);
  EXPECT_FALSE(Shown("Form2", "Option2").checked);
  EXPECT_FALSE(Shown("Form2", "Check1").checked);
  EXPECT_EQ(Shown("Form2", "Text1").design.tooltip, "Enter delay in seconds");
  EXPECT_EQ(windows.FindForm("Form2")->focused, "Option1");

  windows.Click("Option2");
  windows.Click("Check1");
  EXPECT_EQ(PressOk("12"), "");
  EXPECT_FALSE(DialogOpen());
  Open();
  EXPECT_EQ(Shown("Form2", "Text1").text, "30");
  EXPECT_TRUE(Shown("Form2", "Option1").checked);
  EXPECT_FALSE(Shown("Form2", "Check1").checked);
}

TEST_F(OptionsDialogTest, ABadDelayShowsItsMessageAndKeepsTheDialogAsItWas) {
  for (const char* rejected : {"1.99", "30.01", "0", "-5", "zorbel", ""}) {
    EXPECT_EQ(PressOk(rejected), "Zorbel Joke Screensaver Error!") << rejected;
    EXPECT_EQ(services.message_boxes.back().text,
              "You entered an invalid delay. You must enter a time between 2 seconds and 30 "
              "seconds");
    EXPECT_EQ(services.message_boxes.back().style, 48);
    EXPECT_TRUE(DialogOpen());
    EXPECT_EQ(Shown("Form2", "Text1").text, rejected);
  }
  EXPECT_FALSE(std::filesystem::exists(folder.File("Qorv.ini")));
}

TEST_F(OptionsDialogTest, MedicalTermsNeedRudeJokesAndTheDelayIsJudgedFirst) {
  windows.Click("Check1");
  EXPECT_EQ(PressOk("50"), "Zorbel Joke Screensaver Error!");
  EXPECT_EQ(services.message_boxes.size(), 1u) << "only the delay message";
  EXPECT_EQ(PressOk("12"), "Zorbel Saver Error");
  EXPECT_EQ(services.message_boxes.back().style, 16);
  EXPECT_TRUE(DialogOpen());
  EXPECT_FALSE(std::filesystem::exists(folder.File("Qorv.ini")));
}

TEST_F(OptionsDialogTest, OkWritesTheThreeLinesAndStoresTheJokeStyle) {
  windows.Click("Option2");
  windows.Click("Check1");
  EXPECT_EQ(PressOk("12"), "");
  EXPECT_EQ(folder.Read("Qorv.ini"), "rude\r\nmedicalyes\r\n 12 \r\n");
  EXPECT_EQ(program.state.JokeStyle, FieldValue(std::string("rude")));
  EXPECT_TRUE(IsEmpty(program.state.MedicalSetting)) << "only the file gets the medical word";

  const struct {
    const char* typed;
    const char* written;
  } delays[] = {{"7.5", " 7.5 "}, {"12 seconds", " 12 "}, {"1 5", " 15 "}, {"2", " 2 "}, {"30", " 30 "}};
  for (const auto& delay : delays) {
    Open();
    EXPECT_EQ(PressOk(delay.typed), "") << delay.typed;
    EXPECT_EQ(folder.Read("Qorv.ini"), std::string("clean\r\nmedicalno\r\n") + delay.written + "\r\n");
  }
}

TEST_F(OptionsDialogTest, DefaultsThenOkWritesTheFactorySettings) {
  windows.Click("Option2");
  windows.Click("Check1");
  windows.TypeInto("Text1", "25");
  windows.PressAccelerator('d');
  EXPECT_TRUE(Shown("Form2", "Option1").checked);
  EXPECT_FALSE(Shown("Form2", "Option2").checked);
  EXPECT_FALSE(Shown("Form2", "Check1").checked);
  EXPECT_EQ(Shown("Form2", "Text1").text, "7");
  EXPECT_TRUE(DialogOpen());
  EXPECT_FALSE(std::filesystem::exists(folder.File("Qorv.ini"))) << "nothing written yet";
  windows.PressAccelerator('o');
  EXPECT_EQ(folder.Read("Qorv.ini"), "clean\r\nmedicalno\r\n 7 \r\n");
}

TEST_F(OptionsDialogTest, CancelEscapeAndTheCloseBoxWriteNothing) {
  folder.Write("Qorv.ini", "rude\r\nmedicalyes\r\n 9 \r\n");
  windows.Click("Option2");
  windows.Click("Command3");
  EXPECT_FALSE(DialogOpen());
  Open();
  windows.TypeInto("Text1", "5");
  windows.PressEscape();
  EXPECT_FALSE(DialogOpen());
  Open();
  windows.Close("Form2");
  EXPECT_FALSE(DialogOpen());
  EXPECT_EQ(folder.Read("Qorv.ini"), "rude\r\nmedicalyes\r\n 9 \r\n");
  EXPECT_TRUE(IsEmpty(program.state.JokeStyle));
  EXPECT_TRUE(services.message_boxes.size() == 1u) << "the beta notice only";
}

TEST_F(OptionsDialogTest, AFailedWriteLeavesTheOldFileAndEndsWithTheRunTimeError) {
  folder.Write("Qorv.ini", "clean\r\nmedicalno\r\n 7 \r\n");
  std::filesystem::create_directory(folder.File("Qorv.ini.new"));
  windows.Click("Option2");
  EXPECT_EQ(PressOk("12"), "Zorbel");
  EXPECT_EQ(services.message_boxes.back().text, "Run-time error '75':\r\n\r\nPath/File access error");
  EXPECT_TRUE(windows.program_ended());
  EXPECT_EQ(folder.Read("Qorv.ini"), "clean\r\nmedicalno\r\n 7 \r\n");
}

TEST_F(OptionsDialogTest, TheLinksShowTheirMessageOpenTheirPageAndLeaveTheDialog) {
  windows.Click("Option2");
  windows.TypeInto("Text1", "9");
  services.sequence.clear();
  windows.Click("Label13");
  windows.Click("Label15");
  EXPECT_EQ(services.sequence,
            (std::vector<std::string>{"box: VISIT OUR WEB SITE!",
                                      "open: " + Address("/zorbel/bounce.cgi?where=home"),
                                      "box: Upgrade - for *FREE*!",
                                      "open: " + Address("/zorbel/bounce.cgi?where=velmora")}));
  EXPECT_TRUE(DialogOpen());
  EXPECT_TRUE(Shown("Form2", "Option2").checked);
  EXPECT_EQ(Shown("Form2", "Text1").text, "9");
}

}  // namespace
