// The options dialog's checks on OK, in their order: the delay first, then the medical rule.
#pragma once

#include <string_view>

enum class OptionsVerdict { kAccepted, kInvalidDelay, kMedicalNeedsRude };

// `delay_text` is read by the typed-number rule; both bounds are allowed.
OptionsVerdict CheckOptions(std::string_view delay_text, bool clean_selected, bool medical_ticked);
