// Reading the saver's options. A refusal names the option and the values it allows; the
// medical switch follows the options dialog's rule and needs the rude one.
#include "platform/x11/saver_options.h"

#include <cerrno>
#include <cstdlib>

#include "startup/settings_vocabulary.h"

namespace {

constexpr const char* kOptionList =
    "-root, -window, -window-id ID, -delay 2..30, -rude, -medical, -rude-medical, -jokes FILE, --help, --version";

ParsedOptions Refuse(std::string line) {
  ParsedOptions refused;
  refused.verdict = SaverCommand::kRefused;
  refused.refusal = "zorbel: " + std::move(line);
  return refused;
}

// A delay as the options dialog allows it: a decimal number of seconds from the shortest
// to the longest delay, both included.
std::optional<double> ParseDelay(const std::string& text) {
  if (text.empty() || text.find_first_not_of("0123456789.") != std::string::npos) return std::nullopt;
  char* end = nullptr;
  const double seconds = std::strtod(text.c_str(), &end);
  if (*end != '\0' || seconds < kShortestDelaySeconds || seconds > kLongestDelaySeconds) return std::nullopt;
  return seconds;
}

}  // namespace

std::optional<unsigned long> ParseWindowId(const std::string& text) {
  if (text.empty() || text[0] == '-' || text[0] == '+' || text[0] == ' ') return std::nullopt;
  const bool hex = text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X');
  if (!hex && text.find_first_not_of("0123456789") != std::string::npos) return std::nullopt;
  errno = 0;
  char* end = nullptr;
  const unsigned long id = std::strtoul(text.c_str(), &end, hex ? 16 : 10);
  if (*end != '\0' || errno == ERANGE || id == 0) return std::nullopt;
  return id;
}

ParsedOptions ParseSaverOptions(const std::vector<std::string>& arguments) {
  ParsedOptions parsed;
  SaverOptions& options = parsed.options;
  bool rude = false;
  bool medical = false;
  for (std::size_t i = 0; i < arguments.size(); ++i) {
    std::string option = arguments[i];
    if (option.rfind("--", 0) == 0 && option.size() > 2) option.erase(0, 1);
    const bool has_value = i + 1 < arguments.size();
    if (option == "-help" || option == "-h") {
      parsed.verdict = SaverCommand::kHelp;
      return parsed;
    } else if (option == "-version") {
      parsed.verdict = SaverCommand::kVersion;
      return parsed;
    } else if (option == "-root") {
      options.target = DrawingTarget::kRootWindow;
    } else if (option == "-window") {
      options.target = DrawingTarget::kOwnWindow;
    } else if (option == "-window-id") {
      const std::optional<unsigned long> id = has_value ? ParseWindowId(arguments[i + 1]) : std::nullopt;
      if (!id) return Refuse("-window-id takes a window number, decimal or 0x hexadecimal");
      options.target = DrawingTarget::kGivenWindow;
      options.window_id = *id;
      ++i;
    } else if (option == "-delay") {
      const std::optional<double> seconds = has_value ? ParseDelay(arguments[i + 1]) : std::nullopt;
      if (!seconds) return Refuse("-delay takes a number of seconds from 2 to 30");
      options.settings.DelaySeconds = *seconds;
      ++i;
    } else if (option == "-rude") {
      rude = true;
    } else if (option == "-medical") {
      medical = true;
    } else if (option == "-rude-medical") {
      // Both in one word: a settings page reads back only single options, and a tick box
      // for medical terms must give a command line the saver takes whatever the menu says.
      rude = medical = true;
    } else if (option == "-jokes") {
      if (!has_value || arguments[i + 1].empty()) return Refuse("-jokes takes the path of a joke file");
      options.jokes_path = arguments[++i];
    } else {
      return Refuse("unknown option \"" + arguments[i] + "\"; the options are " + kOptionList);
    }
  }
  if (medical && !rude) return Refuse("-medical is allowed only with -rude");
  if (rude) {
    // The joke style chosen on the command line comes whole: rude, with or without medical
    // terms, whatever the settings file says of the medical switch.
    options.settings.JokeStyle = settings_word::kRude;
    options.settings.MedicalSetting = medical ? settings_word::kMedicalYes : settings_word::kMedicalNo;
  }
  return parsed;
}

std::string SaverUsage() {
  return "Usage: zorbel [OPTION]...\n"
         "Shows jokes on the screen until a key, a click or a move of the mouse.\n"
         "\n"
         "  -window          in a window of its own over the whole screen (the default)\n"
         "  -root            on the window XSCREENSAVER_WINDOW names, else the root window\n"
         "  -window-id ID    on the window ID (decimal, or 0x hexadecimal)\n"
         "  -delay N         N seconds between jokes, 2 to 30\n"
         "  -rude            rude jokes as well as clean ones\n"
         "  -medical         medical terms too (only with -rude)\n"
         "  -rude-medical    the same as -rude -medical\n"
         "  -jokes FILE      the joke file to read\n"
         "  --help           this text\n"
         "  --version        the version\n"
         "\n"
         "Without -delay or -rude the settings come from $XDG_CONFIG_HOME/zorbel/Qorv.ini\n"
         "(~/.config/zorbel/Qorv.ini). Without -jokes the jokes come from\n"
         "$XDG_DATA_HOME/zorbel/jokes.txt (~/.local/share/zorbel/jokes.txt) when it exists,\n"
         "else from /usr/share/zorbel/jokes.txt.\n";
}
