// The options dialog on the headless platform: the delay and medical checks and their messages,
// the settings file it writes, its design values at every opening, and its links.
#include "tests/setup/setup_fixture.h"

#include <filesystem>

#include "startup/settings_check.h"

namespace {

class OptionsDialogTest : public SetupTest {
 protected:
  void SetUp() override {
    SetupTest::SetUp();
    Open();
  }
  void Open() { app.windows.ClickIn("Form3", "Command1"); }
  bool DialogOpen() const { return app.windows.FindForm("Form2") != nullptr; }
  // Enters the delay, presses OK and says which box came, if any.
  std::string PressOk(const std::string& delay) {
    app.windows.TypeInto("Text1", delay);
    app.services.message_boxes.clear();
    Run([&] { app.windows.Click("Command1"); });
    return app.services.message_boxes.empty() ? "" : app.services.message_boxes.back().title;
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
  EXPECT_EQ(Shown("Form2", "Text1").text, "30");
  EXPECT_TRUE(Shown("Form2", "Option1").checked);
  EXPECT_FALSE(Shown("Form2", "Option2").checked);
  EXPECT_FALSE(Shown("Form2", "Check1").checked);
  EXPECT_EQ(app.windows.FindForm("Form2")->focused, "Option1");

  app.windows.Click("Option2");
  app.windows.Click("Check1");
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
    EXPECT_EQ(app.services.message_boxes.back().kind, MessageBoxKind::kExclamation);
    EXPECT_TRUE(DialogOpen());
    EXPECT_EQ(Shown("Form2", "Text1").text, rejected);
  }
  EXPECT_FALSE(std::filesystem::exists(folder.File("Qorv.ini")));
}

// Which of the two messages comes first is CheckOptions' to decide (tested above).
TEST_F(OptionsDialogTest, MedicalTermsNeedRudeJokes) {
  app.windows.Click("Check1");
  EXPECT_EQ(PressOk("12"), "Zorbel Saver Error");
  EXPECT_EQ(app.services.message_boxes.back().kind, MessageBoxKind::kStop);
  EXPECT_TRUE(DialogOpen());
  EXPECT_FALSE(std::filesystem::exists(folder.File("Qorv.ini")));
}

TEST_F(OptionsDialogTest, OkWritesTheThreeLinesAndStoresTheJokeStyle) {
  app.windows.Click("Option2");
  app.windows.Click("Check1");
  EXPECT_EQ(PressOk("12"), "");
  EXPECT_EQ(folder.Read("Qorv.ini"), "rude\r\nmedicalyes\r\n 12 \r\n");
  EXPECT_EQ(app.program.state.JokeStyle, FieldValue(std::string("rude")));
  EXPECT_TRUE(IsEmpty(app.program.state.MedicalSetting)) << "only the file gets the medical word";

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
  app.windows.Click("Option2");
  app.windows.Click("Check1");
  app.windows.TypeInto("Text1", "25");
  app.windows.PressAccelerator('d');
  EXPECT_TRUE(Shown("Form2", "Option1").checked);
  EXPECT_FALSE(Shown("Form2", "Option2").checked);
  EXPECT_FALSE(Shown("Form2", "Check1").checked);
  EXPECT_EQ(Shown("Form2", "Text1").text, "7");
  EXPECT_TRUE(DialogOpen());
  EXPECT_FALSE(std::filesystem::exists(folder.File("Qorv.ini"))) << "nothing written yet";
  app.windows.PressAccelerator('o');
  EXPECT_EQ(folder.Read("Qorv.ini"), "clean\r\nmedicalno\r\n 7 \r\n");
}

TEST_F(OptionsDialogTest, CancelEscapeAndTheCloseBoxWriteNothing) {
  folder.Write("Qorv.ini", "rude\r\nmedicalyes\r\n 9 \r\n");
  app.windows.Click("Option2");
  app.windows.Click("Command3");
  EXPECT_FALSE(DialogOpen());
  Open();
  app.windows.TypeInto("Text1", "5");
  app.windows.PressEscape();
  EXPECT_FALSE(DialogOpen());
  Open();
  app.windows.Close("Form2");
  EXPECT_FALSE(DialogOpen());
  EXPECT_EQ(folder.Read("Qorv.ini"), "rude\r\nmedicalyes\r\n 9 \r\n");
  EXPECT_TRUE(IsEmpty(app.program.state.JokeStyle));
  EXPECT_TRUE(app.services.message_boxes.size() == 1u) << "the beta notice only";
}

TEST_F(OptionsDialogTest, AReadOnlySettingsFileIsLeftAsItWasWithTheRunTimeError70) {
  namespace fs = std::filesystem;
  folder.Write("Qorv.ini", "clean\r\nmedicalno\r\n 7 \r\n");
  const fs::perms read_only = fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read;
  fs::permissions(folder.File("Qorv.ini"), read_only);
  EXPECT_EQ(PressOk("12"), "Zorbel");
  EXPECT_EQ(app.services.message_boxes.back().text, "Run-time error '70':\r\n\r\nPermission denied");
  EXPECT_TRUE(app.windows.program_ended());
  EXPECT_EQ(folder.Read("Qorv.ini"), "clean\r\nmedicalno\r\n 7 \r\n");
  EXPECT_EQ(fs::status(folder.File("Qorv.ini")).permissions(), read_only) << "its mark kept";
  EXPECT_EQ(folder.Names(), (std::set<std::string>{"Qorv.ini", "jokes.txt"})) << "no temporary left behind";
}

TEST_F(OptionsDialogTest, TheLinksShowTheirMessageOpenTheirPageAndLeaveTheDialog) {
  app.windows.Click("Option2");
  app.windows.TypeInto("Text1", "9");
  app.services.sequence.clear();
  app.windows.Click("Label13");
  app.windows.Click("Label15");
  EXPECT_EQ(app.services.sequence,
            (std::vector<std::string>{"box: VISIT OUR WEB SITE!",
                                      "open: " + Address("/zorbel/bounce.cgi?where=home"),
                                      "box: Upgrade - for *FREE*!",
                                      "open: " + Address("/zorbel/bounce.cgi?where=velmora")}));
  EXPECT_TRUE(DialogOpen());
  EXPECT_TRUE(Shown("Form2", "Option2").checked);
  EXPECT_EQ(Shown("Form2", "Text1").text, "9");
}

}  // namespace
