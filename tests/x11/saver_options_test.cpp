// The saver program's command line: where it draws, the settings it overrides, the joke
// file, and the one-line refusals of anything else.
#include <gtest/gtest.h>

#include "platform/posix/data_paths.h"
#include "platform/x11/saver_options.h"

namespace {

using Arguments = std::vector<std::string>;

ParsedOptions Accepted(const Arguments& arguments) {
  const ParsedOptions parsed = ParseSaverOptions(arguments);
  EXPECT_EQ(parsed.verdict, SaverCommand::kRun) << parsed.refusal;
  return parsed;
}

// The refusal line, checked to be one line that names `option`.
std::string Refusal(const Arguments& arguments, const std::string& option) {
  const ParsedOptions parsed = ParseSaverOptions(arguments);
  EXPECT_EQ(parsed.verdict, SaverCommand::kRefused);
  EXPECT_EQ(parsed.refusal.find('\n'), std::string::npos);
  EXPECT_NE(parsed.refusal.find(option), std::string::npos) << parsed.refusal;
  return parsed.refusal;
}

TEST(SaverOptions, WithoutOptionsItsOwnWindowAndTheSettingsFile) {
  const SaverOptions options = Accepted({}).options;
  EXPECT_EQ(options.target, DrawingTarget::kOwnWindow);
  EXPECT_FALSE(options.settings.JokeStyle || options.settings.MedicalSetting || options.settings.DelaySeconds);
  EXPECT_EQ(options.jokes_path, "");
}

TEST(SaverOptions, WhereToDrawTheLastSayingCounts) {
  EXPECT_EQ(Accepted({"-root"}).options.target, DrawingTarget::kRootWindow);
  EXPECT_EQ(Accepted({"-root", "-window"}).options.target, DrawingTarget::kOwnWindow);
  const SaverOptions given = Accepted({"-window", "-window-id", "0x1e00007"}).options;
  EXPECT_EQ(given.target, DrawingTarget::kGivenWindow);
  EXPECT_EQ(given.window_id, 0x1e00007ul);
  EXPECT_EQ(Accepted({"--window-id", "31457287"}).options.window_id, 31457287ul);
  for (const char* bad : {"", "0", "0x", "-5", "12ab", "0xZZ", "99999999999999999999999"}) {
    Refusal({"-window-id", bad}, "-window-id");
  }
  Refusal({"-window-id"}, "-window-id");
}

TEST(SaverOptions, TheDelayIsANumberOfSecondsFromTwoToThirty) {
  EXPECT_EQ(*Accepted({"-delay", "2"}).options.settings.DelaySeconds, 2);
  EXPECT_EQ(*Accepted({"-delay", "30"}).options.settings.DelaySeconds, 30);
  EXPECT_EQ(*Accepted({"--delay", "7.5"}).options.settings.DelaySeconds, 7.5);
  for (const char* bad : {"1.99", "30.01", "31", "0", "", "seven", "7s", "-3", " 7", "1e1"}) {
    const std::string refusal = Refusal({"-delay", bad}, "-delay");
    EXPECT_NE(refusal.find("2 to 30"), std::string::npos) << refusal;
  }
  Refusal({"-delay"}, "-delay");
}

TEST(SaverOptions, RudeComesWithOrWithoutMedicalAndMedicalNeedsRude) {
  const SettingsOverride rude = Accepted({"-rude"}).options.settings;
  EXPECT_EQ(*rude.JokeStyle, "rude");
  EXPECT_EQ(*rude.MedicalSetting, "medicalno");
  EXPECT_FALSE(rude.DelaySeconds);
  for (const Arguments& both : {Arguments{"-rude", "-medical"}, Arguments{"-medical", "--rude"},
                                Arguments{"-rude-medical"}, Arguments{"-rude-medical", "-rude"}}) {
    EXPECT_EQ(*Accepted(both).options.settings.JokeStyle, "rude");
    EXPECT_EQ(*Accepted(both).options.settings.MedicalSetting, "medicalyes");
  }
  const std::string refusal = Refusal({"-medical", "-delay", "5"}, "-medical");
  EXPECT_NE(refusal.find("-rude"), std::string::npos) << refusal;
}

TEST(SaverOptions, TheJokeFileHelpVersionAndUnknownOptions) {
  EXPECT_EQ(Accepted({"-jokes", "/tmp/my jokes.txt"}).options.jokes_path, "/tmp/my jokes.txt");
  Refusal({"-jokes"}, "-jokes");
  Refusal({"-jokes", ""}, "-jokes");
  EXPECT_EQ(ParseSaverOptions({"-root", "--help", "-bogus"}).verdict, SaverCommand::kHelp);
  EXPECT_EQ(ParseSaverOptions({"-help"}).verdict, SaverCommand::kHelp);
  EXPECT_EQ(ParseSaverOptions({"--version"}).verdict, SaverCommand::kVersion);
  const std::string unknown = Refusal({"-root", "-fps"}, "-fps");
  EXPECT_NE(unknown.find("-window-id ID"), std::string::npos) << "lists the options there are";
  Refusal({"root"}, "root");
  Refusal({"--"}, "--");
}

// An environment of the test's making.
EnvironmentLookup Environment(std::map<std::string, std::string> variables) {
  return [variables = std::move(variables)](const char* name) -> const char* {
    const auto found = variables.find(name);
    return found == variables.end() ? nullptr : found->second.c_str();
  };
}

TEST(DataPaths, SettingsLiveInTheConfigurationFolder) {
  EXPECT_EQ(SettingsFilePath(Environment({{"HOME", "/home/ann"}})), "/home/ann/.config/zorbel/Qorv.ini");
  EXPECT_EQ(SettingsFilePath(Environment({{"HOME", "/home/ann"}, {"XDG_CONFIG_HOME", "/cfg"}})), "/cfg/zorbel/Qorv.ini");
  // An empty or relative folder is no folder at all.
  EXPECT_EQ(SettingsFilePath(Environment({{"HOME", "/home/ann"}, {"XDG_CONFIG_HOME", ""}})),
            "/home/ann/.config/zorbel/Qorv.ini");
  EXPECT_EQ(SettingsFilePath(Environment({{"HOME", "/home/ann"}, {"XDG_CONFIG_HOME", "cfg"}})),
            "/home/ann/.config/zorbel/Qorv.ini");
  EXPECT_EQ(SettingsFilePath(Environment({})), "");
}

TEST(DataPaths, JokesFromTheOptionElseTheUsersCopyElseTheSystemsCopy) {
  std::vector<std::string> asked;
  const auto present = [&asked](const std::string& path) { asked.push_back(path); return true; };
  const auto absent = [&asked](const std::string& path) { asked.push_back(path); return false; };
  const EnvironmentLookup home = Environment({{"HOME", "/home/ann"}});
  EXPECT_EQ(JokesFilePath("mine.txt", home, present), "mine.txt");
  EXPECT_TRUE(asked.empty()) << "the option is taken as it is, present or not";
  EXPECT_EQ(JokesFilePath("", home, present), "/home/ann/.local/share/zorbel/jokes.txt");
  EXPECT_EQ(JokesFilePath("", Environment({{"HOME", "/home/ann"}, {"XDG_DATA_HOME", "/data"}}), present),
            "/data/zorbel/jokes.txt");
  EXPECT_EQ(JokesFilePath("", home, absent), "/usr/share/zorbel/jokes.txt");
  EXPECT_EQ(JokesFilePath("", Environment({}), present), "/usr/share/zorbel/jokes.txt");
}

}  // namespace
