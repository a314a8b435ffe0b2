// The rules a chosen setting must pass.
#include "startup/settings_check.h"

#include "startup/numbers.h"
#include "startup/settings_vocabulary.h"

std::optional<double> AllowedDelay(std::string_view delay_text) {
  const double delay = ReadLeadingNumber(delay_text);
  if (delay > kLongestDelaySeconds || delay < kShortestDelaySeconds) return std::nullopt;
  return delay;
}

OptionsVerdict CheckOptions(std::string_view delay_text, bool clean_selected, bool medical_ticked) {
  if (!AllowedDelay(delay_text)) return OptionsVerdict::kInvalidDelay;
  if (!MedicalAllowed(!clean_selected, medical_ticked)) return OptionsVerdict::kMedicalNeedsRude;
  return OptionsVerdict::kAccepted;
}
