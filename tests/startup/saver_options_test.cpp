// The saver's option table: each option, each refusal, --help made from the table, and
// XScreenSaver's settings page held to the table.
#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <regex>
#include <sstream>

#include "startup/saver_options.h"
#include "startup/settings_vocabulary.h"

namespace {

using Arguments = std::vector<std::string>;

ParsedOptions Accepted(const Arguments& arguments, const char* host_window = nullptr) {
  const ParsedOptions parsed = ParseSaverOptions(arguments, host_window);
  EXPECT_EQ(parsed.verdict, SaverCommand::kRun) << parsed.refusal;
  return parsed;
}

// The refusal line, checked to be one line that names `what`.
std::string Refusal(const Arguments& arguments, const std::string& what, const char* host_window = nullptr) {
  const ParsedOptions parsed = ParseSaverOptions(arguments, host_window);
  EXPECT_EQ(parsed.verdict, SaverCommand::kRefused) << testing::PrintToString(arguments);
  EXPECT_EQ(parsed.refusal.find('\n'), std::string::npos);
  EXPECT_EQ(parsed.refusal.rfind("zorbel: ", 0), 0u) << parsed.refusal;
  EXPECT_NE(parsed.refusal.find(what), std::string::npos) << parsed.refusal;
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
  EXPECT_EQ(Accepted({"--window-id=0x1fffffff"}).options.window_id, 0x1ffffffful);
  // Numbers past what an X window id holds would name another window by their low bits.
  for (const char* bad : {"", "0", "0x", "-5", "+5", "12ab", "0xZZ", "4294967296", "0x10000050d",
                          "0x20000000", "99999999999999999999999"}) {
    Refusal({"-window-id", bad}, "-window-id");
  }
  Refusal({"-window-id"}, "-window-id");
}

TEST(SaverOptions, TheHostsWindowComesFromItsVariableOnlyWithRoot) {
  EXPECT_EQ(Accepted({"-root"}, "0x400007").options.window_id, 0x400007ul);
  EXPECT_EQ(Accepted({"-root"}, "").options.window_id, 0ul) << "empty: the root window";
  EXPECT_EQ(Accepted({"-window"}, "nonsense").options.target, DrawingTarget::kOwnWindow);
  for (const char* bad : {"4294967296", "0x10000050d", "window"}) Refusal({"-root"}, "XSCREENSAVER_WINDOW", bad);
}

TEST(SaverOptions, TheDelayPassesTheOptionsDialogsNumberRule) {
  EXPECT_EQ(*Accepted({"-delay", "2"}).options.settings.DelaySeconds, 2);
  EXPECT_EQ(*Accepted({"-delay", "30"}).options.settings.DelaySeconds, 30);
  EXPECT_EQ(*Accepted({"--delay", "7.5"}).options.settings.DelaySeconds, 7.5);
  EXPECT_EQ(*Accepted({"--delay=5"}).options.settings.DelaySeconds, 5);
  EXPECT_EQ(*Accepted({"-delay=1e1"}).options.settings.DelaySeconds, 10);
  EXPECT_EQ(*Accepted({"-delay", "12 seconds"}).options.settings.DelaySeconds, 12);
  for (const char* bad : {"1.99", "30.01", "31", "0", "", "seven", "-3"}) {
    const std::string refusal = Refusal({"-delay", bad}, "-delay");
    EXPECT_NE(refusal.find("2 to 30"), std::string::npos) << refusal;
  }
  Refusal({"-delay"}, "-delay");
  Refusal({"--delay="}, "-delay");
}

TEST(SaverOptions, AStyleComesWholeAndMedicalNeedsRude) {
  const auto style = [](const Arguments& arguments) {
    const SettingsOverride settings = Accepted(arguments).options.settings;
    return *settings.JokeStyle + " " + *settings.MedicalSetting;
  };
  EXPECT_EQ(style({"-clean"}), "clean medicalno");
  EXPECT_EQ(style({"-rude"}), "rude medicalno");
  EXPECT_EQ(style({"-rude-medical"}), "rude medicalyes");
  EXPECT_EQ(style({"-rude", "-medical"}), "rude medicalyes");
  EXPECT_EQ(style({"-medical", "--rude"}), "rude medicalyes");
  EXPECT_EQ(style({"-rude-medical", "-clean"}), "clean medicalno") << "the last style chosen counts";
  EXPECT_EQ(style({"-clean", "-rude-medical"}), "rude medicalyes");
  EXPECT_FALSE(Accepted({"-rude"}).options.settings.DelaySeconds);
  for (const Arguments& refused : {Arguments{"-medical"}, Arguments{"-medical", "-delay", "5"},
                                   Arguments{"-clean", "-medical"}, Arguments{"-rude", "-medical", "-clean"}}) {
    EXPECT_NE(Refusal(refused, "-medical").find("-rude"), std::string::npos);
  }
}

TEST(SaverOptions, TheJokeFileHostOptionsHelpVersionAndUnknownOptions) {
  EXPECT_EQ(Accepted({"-jokes", "/tmp/my jokes.txt"}).options.jokes_path, "/tmp/my jokes.txt");
  EXPECT_EQ(Accepted({"--jokes=a=b.txt"}).options.jokes_path, "a=b.txt");
  Refusal({"-jokes"}, "-jokes");
  Refusal({"-jokes", ""}, "-jokes");
  // What a host may give any display program changes nothing.
  const ParsedOptions host = Accepted({"-root", "-install", "--noinstall", "-visual", "0x21", "-fps", "-no-fps", "-pair"});
  EXPECT_EQ(host.options.target, DrawingTarget::kRootWindow);
  EXPECT_FALSE(host.options.settings.JokeStyle || host.options.settings.DelaySeconds);
  Refusal({"-visual"}, "-visual");
  Refusal({"-root=yes"}, "-root takes no value");
  EXPECT_EQ(ParseSaverOptions({"-root", "--help", "-bogus"}).verdict, SaverCommand::kHelp);
  EXPECT_EQ(ParseSaverOptions({"-help"}).verdict, SaverCommand::kHelp);
  EXPECT_EQ(ParseSaverOptions({"-h"}).verdict, SaverCommand::kHelp);
  EXPECT_EQ(ParseSaverOptions({"--version"}).verdict, SaverCommand::kVersion);
  Refusal({"-root", "-bogus"}, "\"-bogus\"");
  Refusal({"root"}, "\"root\"");
  Refusal({"--"}, "\"--\"");
  Refusal({"---root"}, "\"---root\"");
}

TEST(SaverOptions, HelpHasALineForEveryOptionInTheTable) {
  const std::string usage = SaverUsage();
  std::istringstream lines(usage);
  std::vector<std::string> option_lines;
  for (std::string line; std::getline(lines, line);) {
    EXPECT_LE(line.size(), 80u) << line;
    if (line.rfind("  -", 0) == 0) option_lines.push_back(line);
  }
  const auto table = SaverOptionTable();
  ASSERT_EQ(option_lines.size(), table.size());
  for (std::size_t i = 0; i < table.size(); ++i) {
    std::string start = "  " + std::string(table[i].name);
    if (!table[i].argument.empty()) start += " " + std::string(table[i].argument);
    EXPECT_EQ(option_lines[i].rfind(start + " ", 0), 0u) << option_lines[i];
    EXPECT_NE(option_lines[i].find(table[i].help), std::string::npos) << option_lines[i];
  }
  // Each option the table names is one the parser takes.
  for (const SaverOptionRow& row : table) {
    Arguments arguments{std::string(row.name)};
    if (!row.argument.empty()) arguments.push_back(row.effect == OptionEffect::kDelay ? "7" : "1");
    if (row.effect == OptionEffect::kMedical) arguments.push_back("-rude");
    EXPECT_NE(ParseSaverOptions(arguments).verdict, SaverCommand::kRefused) << row.name;
  }
}

// XScreenSaver's settings page: every option it can give is in the table with the argument
// the table gives it; its style menu offers the jokes the settings file chooses (no option)
// and each style option of the table; its delay slider has the dialog's range and default.
TEST(SaverOptions, TheSettingsPageGivesOnlyWhatTheTableTakes) {
  std::ifstream file(SETTINGS_PAGE_PATH);
  ASSERT_TRUE(file) << SETTINGS_PAGE_PATH;
  std::stringstream contents;
  contents << file.rdbuf();
  const std::string page = contents.str();
  std::map<std::string, const SaverOptionRow*> by_name;
  for (const SaverOptionRow& row : SaverOptionTable()) by_name[std::string(row.name)] = &row;

  const std::regex given(R"re(\b(arg|arg-set|arg-unset)="([^"]*)")re");
  std::vector<std::string> page_options;
  for (auto match = std::sregex_iterator(page.begin(), page.end(), given); match != std::sregex_iterator(); ++match) {
    const std::string value = (*match)[2];
    std::istringstream words(value);
    std::string name, argument, rest;
    words >> name >> argument >> rest;
    ASSERT_TRUE(by_name.count(name)) << "the page gives " << value << ", which the table does not have";
    EXPECT_EQ(by_name[name]->argument.empty(), argument.empty()) << value;
    EXPECT_TRUE(argument.empty() || argument == "%") << value;
    EXPECT_EQ(rest, "") << value << ": the settings program reads back one option at a time";
    page_options.push_back(name);
  }
  EXPECT_EQ(std::count(page_options.begin(), page_options.end(), "-root"), 1) << "the host's window";

  const std::regex menu(R"re(<select id="style">([\s\S]*?)</select>)re");
  std::smatch style;
  ASSERT_TRUE(std::regex_search(page, style, menu));
  const std::string choices = style[1];
  std::vector<std::string> style_options;
  int defaults = 0;
  const std::regex option(R"re(<option\b([^>]*)/>)re");
  const std::regex arg_set(R"re(arg-set="([^"]*)")re");
  for (auto match = std::sregex_iterator(choices.begin(), choices.end(), option); match != std::sregex_iterator(); ++match) {
    const std::string attributes = (*match)[1];
    std::smatch set;
    if (std::regex_search(attributes, set, arg_set)) style_options.push_back(set[1]);
    else ++defaults;
  }
  EXPECT_EQ(defaults, 1) << "one choice leaves the style to the settings file";
  std::vector<std::string> table_styles;
  for (const SaverOptionRow& row : SaverOptionTable()) {
    if (row.effect == OptionEffect::kClean || row.effect == OptionEffect::kRude || row.effect == OptionEffect::kRudeMedical) {
      table_styles.push_back(std::string(row.name));
    }
  }
  EXPECT_EQ(style_options, table_styles);
  EXPECT_EQ(page.find("<boolean"), std::string::npos) << "a tick box would say one thing while the menu says another";

  const std::regex slider(R"re(<number\b[^>]*arg="-delay %"[^>]*/>)re");
  std::smatch number;
  ASSERT_TRUE(std::regex_search(page, number, slider));
  const std::string delay = number[0];
  EXPECT_NE(delay.find("low=\"" + std::to_string(kShortestDelaySeconds) + "\""), std::string::npos) << delay;
  EXPECT_NE(delay.find("high=\"" + std::to_string(kLongestDelaySeconds) + "\""), std::string::npos) << delay;
  EXPECT_NE(delay.find("default=\"" + std::to_string(kDefaultDelaySeconds) + "\""), std::string::npos) << delay;
}

}  // namespace
