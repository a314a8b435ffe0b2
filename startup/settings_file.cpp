// Reading and writing the settings file.
#include "startup/settings_file.h"

#include "startup/numbers.h"
#include "startup/settings_vocabulary.h"
#include "startup/text_reader.h"
#include "ui/failure_in_flight.h"

namespace {

constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";

std::string SettingsPath(Services& services) { return services.OwnFilePath(kSettingsFileName); }

// The file as the program writes it, ASCII; a UTF-8 mark some editors put before it is no
// part of the first word.
std::string WithoutUtf8Mark(std::string bytes) {
  if (bytes.starts_with(kUtf8Mark)) bytes.erase(0, kUtf8Mark.size());
  return bytes;
}

}  // namespace

void ReadSettings(SharedState& state, Services& services) {
  try {
    TextReader reader(WithoutUtf8Mark(services.ReadWholeFile(SettingsPath(services))));
    state.JokeStyle = reader.ReadField();
    state.MedicalSetting = reader.ReadField();
    state.DelaySeconds = reader.ReadField();
  } catch (...) {
    FailureInFlight();  // lets the end of the program pass; anything else means the defaults
    state.DelaySeconds = static_cast<double>(kDefaultDelaySeconds);
    state.JokeStyle = std::string(kDefaultJokeStyle);
    state.MedicalSetting = std::string(kDefaultMedicalSetting);
  }
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
  services.ReplaceWholeFile(SettingsPath(services),
                       SettingsFileBytes(style_word, medical_word, delay_seconds));
}
