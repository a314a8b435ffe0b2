// The saver's option table, and reading a command line with it. A refusal names the option
// and the values it allows; the delay and the medical switch pass the options dialog's rules.
#include "startup/saver_options.h"

#include <array>
#include <cerrno>
#include <cstdlib>

#include "startup/settings_check.h"
#include "startup/settings_vocabulary.h"
#include "startup/shown_text.h"

namespace {

constexpr std::array kTable{
    SaverOptionRow{"-window", "", OptionEffect::kOwnWindow,
                   "in a window of its own over the whole screen (the default)"},
    SaverOptionRow{"-root", "", OptionEffect::kRootWindow,
                   "on the window XSCREENSAVER_WINDOW names, else the root window"},
    SaverOptionRow{"-window-id", "ID", OptionEffect::kGivenWindow,
                   "on the window ID (decimal, or 0x hexadecimal)"},
    SaverOptionRow{"-delay", "N", OptionEffect::kDelay, "N seconds between jokes, 2 to 30"},
    SaverOptionRow{"-clean", "", OptionEffect::kClean, "clean jokes only"},
    SaverOptionRow{"-rude", "", OptionEffect::kRude, "rude jokes as well as clean ones"},
    SaverOptionRow{"-medical", "", OptionEffect::kMedical, "medical terminology too (only with -rude)"},
    SaverOptionRow{"-rude-medical", "", OptionEffect::kRudeMedical, "the same as -rude -medical"},
    SaverOptionRow{"-jokes", "FILE", OptionEffect::kJokeFile, "the joke file to read"},
    SaverOptionRow{"--help", "", OptionEffect::kHelp, "this text"},
    SaverOptionRow{"-h", "", OptionEffect::kHelp, "the same as --help"},
    SaverOptionRow{"--version", "", OptionEffect::kVersion, "the version"},
    // What a host may give any display program.
    SaverOptionRow{"-install", "", OptionEffect::kHostOnly, "ignored: the saver uses its window's colour map"},
    SaverOptionRow{"-noinstall", "", OptionEffect::kHostOnly, "the same"},
    SaverOptionRow{"-visual", "VISUAL", OptionEffect::kHostOnly, "ignored: the saver draws in its window's visual"},
    SaverOptionRow{"-fps", "", OptionEffect::kHostOnly, "ignored: no frame rate is shown, the text changes slowly"},
    SaverOptionRow{"-no-fps", "", OptionEffect::kHostOnly, "no frame rate is shown (always so)"},
    SaverOptionRow{"-pair", "", OptionEffect::kHostOnly, "ignored: one copy draws in each window"},
};

// An option's name with one dash, however it was written.
std::string_view OneDash(std::string_view name) {
  if (name.size() > 2 && name.substr(0, 2) == "--") name.remove_prefix(1);
  return name;
}

const SaverOptionRow* RowNamed(std::string_view name) {
  for (const SaverOptionRow& row : kTable) {
    if (OneDash(row.name) == OneDash(name)) return &row;
  }
  return nullptr;
}

ParsedOptions Refuse(std::string line) {
  ParsedOptions refused;
  refused.verdict = SaverCommand::kRefused;
  refused.refusal = "zorbel: " + std::move(line);
  return refused;
}

// The refusal of a bad or missing value, by the option it belongs to.
std::string ValueRefusal(const SaverOptionRow& row) {
  const std::string name(OneDash(row.name));
  switch (row.effect) {
    case OptionEffect::kGivenWindow:
      return name + " takes a window number from 1 to 0x1fffffff, decimal or 0x hexadecimal";
    case OptionEffect::kDelay:
      return name + " takes a number of seconds from " + std::to_string(kShortestDelaySeconds) + " to " +
             std::to_string(kLongestDelaySeconds);
    case OptionEffect::kJokeFile: return name + " takes the path of a joke file";
    default: return name + " takes a value";
  }
}

}  // namespace

std::span<const SaverOptionRow> SaverOptionTable() { return kTable; }

std::optional<unsigned long> ParseWindowId(std::string_view text) {
  if (text.empty() || text.size() > 20) return std::nullopt;
  const bool hex = text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X');
  const std::string digits(hex ? text.substr(2) : text);
  if (digits.find_first_not_of(hex ? "0123456789abcdefABCDEF" : "0123456789") != std::string::npos) return std::nullopt;
  errno = 0;
  char* end = nullptr;
  const unsigned long long id = std::strtoull(digits.c_str(), &end, hex ? 16 : 10);
  if (*end != '\0' || errno == ERANGE || id == 0 || id > kLargestWindowId) return std::nullopt;
  return static_cast<unsigned long>(id);
}

ParsedOptions ParseSaverOptions(const std::vector<std::string>& arguments, const char* host_window) {
  ParsedOptions parsed;
  SaverOptions& options = parsed.options;
  // The style the last style option chose, and -medical given on its own.
  std::optional<OptionEffect> style;
  bool medical = false;
  for (std::size_t i = 0; i < arguments.size(); ++i) {
    const std::string& argument = arguments[i];
    const std::size_t equals = argument.rfind("-", 0) == 0 ? argument.find('=') : std::string::npos;
    const SaverOptionRow* row = RowNamed(std::string_view(argument).substr(0, equals));
    if (row == nullptr) return Refuse("unknown option " + Quoted(argument) + "; zorbel --help lists the options");
    std::optional<std::string> value;
    if (equals != std::string::npos) {
      if (row->argument.empty()) return Refuse(std::string(OneDash(row->name)) + " takes no value");
      value = argument.substr(equals + 1);
    } else if (!row->argument.empty() && i + 1 < arguments.size()) {
      value = arguments[++i];
    }
    if (!row->argument.empty() && !value) return Refuse(ValueRefusal(*row));
    switch (row->effect) {
      case OptionEffect::kHelp: parsed.verdict = SaverCommand::kHelp; return parsed;
      case OptionEffect::kVersion: parsed.verdict = SaverCommand::kVersion; return parsed;
      case OptionEffect::kOwnWindow: options.target = DrawingTarget::kOwnWindow; break;
      case OptionEffect::kRootWindow: options.target = DrawingTarget::kRootWindow; break;
      case OptionEffect::kGivenWindow: {
        const std::optional<unsigned long> id = ParseWindowId(*value);
        if (!id) return Refuse(ValueRefusal(*row));
        options.target = DrawingTarget::kGivenWindow;
        options.window_id = *id;
        break;
      }
      case OptionEffect::kDelay: {
        const std::optional<double> seconds = AllowedDelay(*value);
        if (!seconds) return Refuse(ValueRefusal(*row));
        options.settings.DelaySeconds = *seconds;
        break;
      }
      case OptionEffect::kClean:
      case OptionEffect::kRude:
      case OptionEffect::kRudeMedical: style = row->effect; break;
      case OptionEffect::kMedical: medical = true; break;
      case OptionEffect::kJokeFile:
        if (value->empty()) return Refuse(ValueRefusal(*row));
        options.jokes_path = *value;
        break;
      case OptionEffect::kHostOnly: break;
    }
  }
  if (style) {
    // A style chosen on the command line comes whole, with its medical switch, whatever the
    // settings file says of either.
    const bool rude = *style != OptionEffect::kClean;
    medical = medical || *style == OptionEffect::kRudeMedical;
    if (!MedicalAllowed(rude, medical)) return Refuse("-medical is allowed only with -rude");
    options.settings.JokeStyle = rude ? settings_word::kRude : settings_word::kClean;
    options.settings.MedicalSetting = medical ? settings_word::kMedicalYes : settings_word::kMedicalNo;
  } else if (medical) {
    return Refuse("-medical is allowed only with -rude");
  }
  if (options.target == DrawingTarget::kRootWindow && host_window != nullptr && host_window[0] != '\0') {
    const std::optional<unsigned long> id = ParseWindowId(host_window);
    if (!id) {
      return Refuse("XSCREENSAVER_WINDOW names no window: " + Quoted(host_window) +
                    "; it takes a window number from 1 to 0x1fffffff");
    }
    options.window_id = *id;
  }
  return parsed;
}

std::string SaverUsage() {
  std::string usage =
      "Usage: /usr/libexec/xscreensaver/zorbel [OPTION]...\n"
      "Shows jokes on the screen until a key, a click or a move of the mouse.\n"
      "\n";
  for (const SaverOptionRow& row : kTable) {
    std::string left = "  ";
    left += row.name;
    if (!row.argument.empty()) {
      left += ' ';
      left += row.argument;
    }
    left.resize(std::max<std::size_t>(left.size() + 1, 19), ' ');
    usage += left + std::string(row.help) + "\n";
  }
  usage +=
      "\n"
      "An option may be written with one dash or two, and its value after \"=\":\n"
      "--delay=5. Without -delay, -clean or -rude the settings come from\n"
      "$XDG_CONFIG_HOME/zorbel/Qorv.ini (~/.config/zorbel/Qorv.ini). Without -jokes\n"
      "the jokes come from $XDG_DATA_HOME/zorbel/jokes.txt (~/.local/share/zorbel/\n"
      "jokes.txt) when it exists, else from /usr/share/zorbel/jokes.txt.\n";
  return usage;
}
