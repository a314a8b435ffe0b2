// The rules a chosen setting must pass, shared by the options dialog's OK and the saver's
// command line: a delay within the allowed range, read by the typed-number rule, and
// medical terminology only together with rude jokes.
#pragma once

#include <optional>
#include <string_view>

// The delay `delay_text` gives when it lies within the allowed range, both bounds included.
std::optional<double> AllowedDelay(std::string_view delay_text);

// Medical terminology may be shown only among rude jokes: some of it is rude and explicit.
inline bool MedicalAllowed(bool rude, bool medical) { return rude || !medical; }

enum class OptionsVerdict { kAccepted, kInvalidDelay, kMedicalNeedsRude };

// The options dialog's checks on OK, in their order: the delay first, then the medical rule.
OptionsVerdict CheckOptions(std::string_view delay_text, bool clean_selected, bool medical_ticked);
