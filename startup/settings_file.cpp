// Reading and writing the settings file.
#include "startup/settings_file.h"

#include "startup/numbers.h"
#include "startup/settings_vocabulary.h"
#include "startup/shown_text.h"
#include "startup/text_reader.h"
#include "startup/utf8.h"
#include "ui/failure_in_flight.h"

namespace {

// The three lines the options dialog writes take a few dozen bytes; a file whose three fields
// do not end within this much is no settings file, and no more of it is read.
constexpr std::size_t kSettingsReadLimit = 4096;

std::string SettingsStart(Services& services) {
  return services.ReadOwnFile(OwnFile::kSettings, kSettingsReadLimit, ReadBound::kStopThere);
}

// The file as the program writes it, ASCII; a UTF-8 mark some editors put before it is no
// part of the first word.
std::string WithoutUtf8Mark(std::string bytes) {
  if (bytes.starts_with(kUtf8Mark)) bytes.erase(0, kUtf8Mark.size());
  return bytes;
}

// A delay of a moment counts as the shortest one the dialog accepts, so that no hand-edited
// file makes the display flicker; 0 keeps its meaning, no items after the intro.
FieldValue SafeDelay(FieldValue delay) {
  const std::optional<double> seconds = NumericValueOf(delay);
  if (seconds && *seconds > 0 && *seconds < kShortestDelaySeconds) {
    return static_cast<double>(kShortestDelaySeconds);
  }
  return delay;
}

}  // namespace

void ReadSettings(SharedState& state, Services& services) {
  try {
    const std::string start = SettingsStart(services);
    TextReader reader(WithoutUtf8Mark(start));
    state.JokeStyle = reader.ReadField();
    state.MedicalSetting = reader.ReadField();
    state.DelaySeconds = SafeDelay(reader.ReadField());
    // The third field may run on past what was read.
    if (start.size() == kSettingsReadLimit && reader.AtEnd()) Fail(failure_code::kInputPastEndOfFile);
  } catch (...) {
    FailureInFlight();  // lets the end of the program pass; anything else means the defaults
    state.DelaySeconds = static_cast<double>(kDefaultDelaySeconds);
    state.JokeStyle = std::string(kDefaultJokeStyle);
    state.MedicalSetting = std::string(kDefaultMedicalSetting);
  }
}

std::string DelayProblem(Services& services, const FieldValue& delay, const Failure& failure) {
  std::string place = services.OwnFilePlace(OwnFile::kSettings);
  try {
    TextReader reader(WithoutUtf8Mark(SettingsStart(services)));
    reader.ReadField();
    reader.ReadField();
    place += ":" + std::to_string(reader.line_number());
  } catch (...) {
    FailureInFlight();  // the file has gone since: its name alone
  }
  const std::string allowed = " (the options dialog writes " + std::to_string(kShortestDelaySeconds) + " to " +
                              std::to_string(kLongestDelaySeconds) + " seconds)";
  if (const auto* text = std::get_if<std::string>(&delay); text != nullptr && failure.code == failure_code::kTypeMismatch) {
    return place + ": the delay " + Quoted(*text) + " is not a number" + allowed;
  }
  const auto* seconds = std::get_if<double>(&delay);
  const std::string shown = seconds != nullptr ? ShortestDecimal(*seconds) : Quoted(std::get<std::string>(delay));
  return place + ": the delay " + shown + " is outside the 0 to 65.535 seconds the display timer holds" + allowed;
}

void ApplySettingsOverride(SharedState& state, const SettingsOverride& given) {
  if (given.JokeStyle) state.JokeStyle = *given.JokeStyle;
  if (given.MedicalSetting) state.MedicalSetting = *given.MedicalSetting;
  if (given.DelaySeconds) state.DelaySeconds = *given.DelaySeconds;
}

std::string SettingsFileBytes(const std::string& style_word, const std::string& medical_word,
                              double delay_seconds) {
  const std::string sign_place = delay_seconds < 0 ? "" : " ";
  return style_word + "\r\n" + medical_word + "\r\n" + sign_place + ShortestDecimal(delay_seconds) +
         " \r\n";
}

void WriteSettings(Services& services, const std::string& style_word,
                   const std::string& medical_word, double delay_seconds) {
  services.ReplaceOwnFile(OwnFile::kSettings, SettingsFileBytes(style_word, medical_word, delay_seconds));
}
