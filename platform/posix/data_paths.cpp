// The base-directory rules: a variable counts only when it holds an absolute path.
#include "platform/posix/data_paths.h"

#include <sys/stat.h>

namespace {

// The folder a base-directory variable names, else `fallback` under the home; empty when
// neither is known.
std::string BaseFolder(const EnvironmentLookup& environment, const char* variable, const char* fallback) {
  const char* value = environment(variable);
  if (value != nullptr && value[0] == '/') return value;
  const char* home = environment("HOME");
  if (home == nullptr || home[0] != '/') return "";
  return std::string(home) + "/" + fallback;
}

}  // namespace

std::string RuntimeFolder(const EnvironmentLookup& environment) {
  const char* runtime = environment("XDG_RUNTIME_DIR");
  if (runtime != nullptr && runtime[0] == '/') return runtime;
  return BaseFolder(environment, "XDG_CACHE_HOME", ".cache");
}

bool PathExists(const std::string& path) {
  struct stat info {};
  return stat(path.c_str(), &info) == 0;
}

std::string SettingsFilePath(const EnvironmentLookup& environment) {
  const std::string folder = BaseFolder(environment, "XDG_CONFIG_HOME", ".config");
  return folder.empty() ? "" : folder + "/zorbel/Qorv.ini";
}

std::string JokesFilePath(const std::string& option, const EnvironmentLookup& environment,
                          const std::function<bool(const std::string&)>& exists) {
  if (!option.empty()) return option;
  const std::string folder = BaseFolder(environment, "XDG_DATA_HOME", ".local/share");
  if (!folder.empty()) {
    const std::string user_file = folder + "/zorbel/jokes.txt";
    if (exists(user_file)) return user_file;
  }
  return kSystemJokesPath;
}
