// Start-up: the switch table, the single instance, the start-up failure report and the
// display interval prepared in saver mode.
#include "app/program.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "startup/startup_report.h"
#include "tests/support/failure_matchers.h"
#include "tests/support/headless_program.h"
#include "tests/support/temp_folder.h"
#include "startup/web_endpoints.h"

namespace {

constexpr const char* kJokes = "\"db\",2,4\r\nclean,0,0\r\nA zorbel walks in.\r\n</joke>\r\n";

class ProgramTest : public ::testing::Test {
 protected:
  // The program started on the test's machine, where a copy that still runs holds the lock.
  std::unique_ptr<HeadlessProgram> Start(const std::string& arguments) {
    auto run = std::make_unique<HeadlessProgram>(arguments, folder.path(), &machine);
    run->RunMain();
    return run;
  }
  // The one message box a failed start shows, checked for its title and icon.
  std::string ReportOf(const std::string& arguments) {
    const auto run = Start(arguments);
    EXPECT_TRUE(run->services.ended);
    EXPECT_EQ(run->services.ended_with, exit_status::kFailed);
    EXPECT_TRUE(run->services.pointer_hidden_calls.empty());
    if (run->services.message_boxes.size() != 1) return "(no single box)";
    EXPECT_EQ(run->services.message_boxes[0].title, "D'oh! An error occurred");
    EXPECT_EQ(run->services.message_boxes[0].kind, MessageBoxKind::kInformation);
    return run->services.message_boxes[0].text;
  }
  std::string GenericReport(int code, const std::string& description) {
    return StartupReportText(Failure{code, description, "Zorbel"});
  }

  TempFolder folder;
  HeadlessMachine machine;
};

TEST_F(ProgramTest, OnlyTheExactLowerCaseSwitchesStartAMode) {
  for (const char* arguments : {"", "/C", "/S", "/c:1234", "/s ", "/p 123", "-s", "c"}) {
    const auto run = Start(arguments);
    EXPECT_TRUE(run->services.message_boxes.empty()) << arguments;
    EXPECT_FALSE(run->services.ended) << arguments << ": returns without a window";
    EXPECT_TRUE(IsEmpty(run->program.state.JokesVersion)) << arguments << ": read nothing";
  }
  EXPECT_EQ(ReportOf("/c"), StartupReportText(MakeFailure(53)));
  EXPECT_EQ(ReportOf("/s"), StartupReportText(MakeFailure(53)));
}

TEST_F(ProgramTest, ASecondCopyEndsAtOnceInEveryModeWhileTheFirstRuns) {
  folder.Write("jokes.txt", kJokes);
  auto first = Start("/s");
  ASSERT_FALSE(first->services.ended);
  for (const char* arguments : {"/s", "/c", "/p 1"}) {
    auto second = Start(arguments);
    EXPECT_TRUE(second->services.ended) << arguments;
    EXPECT_TRUE(second->services.message_boxes.empty()) << arguments;
    EXPECT_TRUE(IsEmpty(second->program.state.JokesVersion)) << arguments;
  }
  first.reset();
  EXPECT_FALSE(Start("/c")->services.ended) << "the lock goes with the first copy";
}

TEST_F(ProgramTest, ConfigurationModeReadsTheHeaderAndNotTheSettings) {
  folder.Write("jokes.txt", "\"db\",3.5,4\r\nbroken");
  folder.Write("Qorv.ini", "rude\r\nmedicalyes\r\n 12 \r\n");
  const auto run = Start("/c");
  EXPECT_FALSE(run->services.ended);
  EXPECT_EQ(run->program.state.JokesVersion, FieldValue(3.5));
  EXPECT_EQ(run->program.state.JokesCompatible, FieldValue(4.0));
  EXPECT_TRUE(IsEmpty(run->program.state.JokeStyle));
  EXPECT_EQ(run->program.state.clean.count, 0);
}

TEST_F(ProgramTest, SaverModeLoadsEverythingAndPreparesTheInterval) {
  folder.Write("jokes.txt", kJokes);
  auto run = Start("/s");
  EXPECT_EQ(run->program.state.JokeStyle, FieldValue(std::string("clean")));
  EXPECT_EQ(run->program.state.clean.texts[1], "A zorbel walks in.");
  EXPECT_EQ(run->program.form1.Get().Timer1.interval(), 7000);

  const struct {
    const char* delay_line;
    int interval;
  } delays[] = {{" 12 ", 12000}, {"\"12\"", 12000}, {"", 0},       {"0", 0},
                {"65.535", 65535}, {"7.0125", 7012},  {"2.0135", 2014}, {"2", 2000}, {"0.01", 2000},
                {"0.0004", 2000},  {"1.9999", 2000}};  // never faster than every 2 seconds
  for (const auto& delay : delays) {
    run.reset();
    folder.Write("Qorv.ini", std::string("rude\r\nmedicalyes\r\n") + delay.delay_line + "\r\n");
    run = Start("/s");
    EXPECT_FALSE(run->services.ended) << delay.delay_line;
    EXPECT_EQ(run->program.form1.Get().Timer1.interval(), delay.interval) << delay.delay_line;
  }
}

// A platform's command line overrides each setting it gives; the others stay the file's.
TEST_F(ProgramTest, GivenSettingsTakeThePlaceOfTheFilesOnes) {
  folder.Write("jokes.txt", kJokes);
  folder.Write("Qorv.ini", "rude\r\nmedicalyes\r\n 12 \r\n");
  HeadlessProgram run("/s", folder.path(), &machine);
  run.program.settings_override.DelaySeconds = 2.5;
  run.RunMain();
  EXPECT_EQ(run.program.form1.Get().Timer1.interval(), 2500);
  EXPECT_EQ(run.program.state.JokeStyle, FieldValue(std::string("rude")));
  EXPECT_EQ(run.program.state.MedicalSetting, FieldValue(std::string("medicalyes")));

  folder.Write("Qorv.ini", "nonsense");
  HeadlessProgram second("/s", folder.path());
  second.program.settings_override = {std::string("rude"), std::string("medicalno"), std::nullopt};
  second.RunMain();
  EXPECT_EQ(second.program.state.JokeStyle, FieldValue(std::string("rude")));
  EXPECT_EQ(second.program.state.MedicalSetting, FieldValue(std::string("medicalno")));
  EXPECT_EQ(second.program.form1.Get().Timer1.interval(), 7000) << "the default delay where none is given";
}

TEST_F(ProgramTest, EachFailureSelectsItsReport) {
  const std::string home = endpoints::ProductPageAddress();
  EXPECT_EQ(ReportOf("/c"),
            "Jokes database could not be found. \r\n\r\nYou may not have installed the screensaver "
            "properly. Please review the installation instructions provided, or check out our web "
            "site at \r\n" + home);

  folder.Write("jokes.txt", "\"db\",2\r\n");
  EXPECT_EQ(ReportOf("/s"),
            "D'oh!\r\nThe Jokes database is corrupted. You may have editted it and destroyed the "
            "format. Please download a new version from our web site at " + home);

  folder.Write("jokes.txt", kJokes);
  folder.Write("Qorv.ini", "clean\r\nmedicalno\r\n66\r\n");
  EXPECT_EQ(ReportOf("/s"),
            "There was an error, but the screensaver does not know what to do. Please e-mail the "
            "information below to us and tell us what you were doing at the time (or anything that "
            "may have caused the error).\r\nError code: 380\r\nError description: Invalid property "
            "value\r\nError source: Zorbel\r\n\r\nSee our web site at " + home +
            " for our e-mail address.");

  folder.Write("Qorv.ini", "clean\r\nmedicalno\r\nseven\r\n");
  EXPECT_EQ(ReportOf("/s"), GenericReport(13, "Type mismatch"));
  folder.Write("Qorv.ini", "clean\r\nmedicalno\r\n-1\r\n");
  EXPECT_EQ(ReportOf("/s"), GenericReport(380, "Invalid property value"));

  std::string many = "\"db\",2,4\r\n";
  for (int i = 0; i < 501; ++i) many += "medical,0,0\r\nterm\r\n</joke>\r\n";
  folder.Write("jokes.txt", many);
  EXPECT_EQ(ReportOf("/s"), GenericReport(9, "Subscript out of range"));
}

// Where a platform keeps diagnostics, a delay in the settings file that stops the saver is
// named there with its line, escaped; nothing else is.
TEST_F(ProgramTest, ADelayTheTimerRefusesIsNamedWithItsLine) {
  folder.Write("jokes.txt", kJokes);
  const auto diagnostics = [&](const std::string& settings) {
    folder.Write("Qorv.ini", settings);
    return Start("/s")->services.diagnostics;
  };
  using testing::ElementsAre;
  using testing::EndsWith;
  EXPECT_THAT(diagnostics("clean\r\nmedicalno\r\nseven\r\n"),
              ElementsAre(EndsWith("Qorv.ini:3: the delay \"seven\" is not a number (the options dialog writes 2 to 30 seconds)")));
  EXPECT_THAT(diagnostics("clean,medicalno,1000\r\n"),
              ElementsAre(EndsWith("Qorv.ini:1: the delay 1000 is outside the 0 to 65.535 seconds the display timer "
                                   "holds (the options dialog writes 2 to 30 seconds)")));
  EXPECT_THAT(diagnostics("clean\r\n\r\n\"-5\"\r\n"), ElementsAre(EndsWith("Qorv.ini:3: the delay \"-5\" is outside the 0 to "
                                                                            "65.535 seconds the display timer holds (the "
                                                                            "options dialog writes 2 to 30 seconds)")));
  // What the file says is shown as in any message: escaped, and cut short.
  EXPECT_THAT(diagnostics("clean\r\nmedicalno\r\n\x1B]0;x\x07" + std::string(4000, 'a') + "\r\n"),
              ElementsAre(EndsWith("the delay \"\\x1b]0;x\\x07" + std::string(74, 'a') + "...\" is not a number (the "
                                   "options dialog writes 2 to 30 seconds)")));
  EXPECT_THAT(diagnostics("clean\r\nmedicalno\r\n 12 \r\n"), ElementsAre());
  EXPECT_THAT(diagnostics("two\r\nlines\r\n"), ElementsAre()) << "the defaults";
  folder.Write("jokes.txt", "\"db\",2\r\n");
  EXPECT_THAT(diagnostics("clean\r\nmedicalno\r\n 12 \r\n"), ElementsAre()) << "not the settings file's doing";
}

}  // namespace
