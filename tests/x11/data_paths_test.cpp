// The data-path rules of the Linux programs: the saver, its checker and the settings program.
#include <gtest/gtest.h>

#include <map>

#include "platform/posix/data_paths.h"

namespace {

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

TEST(DataPaths, RuntimeFolderElseTheUsersCache) {
  EXPECT_EQ(RuntimeFolder(Environment({{"HOME", "/home/ann"}, {"XDG_RUNTIME_DIR", "/run/user/1000"}})),
            "/run/user/1000");
  EXPECT_EQ(RuntimeFolder(Environment({{"HOME", "/home/ann"}})), "/home/ann/.cache");
  EXPECT_EQ(RuntimeFolder(Environment({{"HOME", "/home/ann"}, {"XDG_RUNTIME_DIR", "run"}, {"XDG_CACHE_HOME", "/c"}})),
            "/c");
  EXPECT_EQ(RuntimeFolder(Environment({{"XDG_RUNTIME_DIR", ""}})), "");
}

}  // namespace
