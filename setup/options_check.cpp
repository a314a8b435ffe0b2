// The options dialog's checks.
#include "setup/options_check.h"

#include "startup/numbers.h"
#include "startup/settings_vocabulary.h"

OptionsVerdict CheckOptions(std::string_view delay_text, bool clean_selected, bool medical_ticked) {
  const double delay = ReadLeadingNumber(delay_text);
  if (delay > kLongestDelaySeconds || delay < kShortestDelaySeconds) return OptionsVerdict::kInvalidDelay;
  if (medical_ticked && clean_selected) return OptionsVerdict::kMedicalNeedsRude;
  return OptionsVerdict::kAccepted;
}
