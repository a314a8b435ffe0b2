// The three-line settings file, the program's own: joke style, medical switch, delay.
#pragma once

#include <optional>
#include <string>

#include "startup/own_file_names.h"
#include "startup/shared_state.h"
#include "ui/failure.h"
#include "ui/services.h"

// Fills JokeStyle, MedicalSetting and DelaySeconds from the file, or all three with the
// defaults ("clean", "medicalno", 7) on any failure. Reads no further than the three
// fields, within a few kilobytes. A delay above 0 and below the shortest the options dialog
// accepts counts as that shortest one. Never fails.
void ReadSettings(SharedState& state, Services& services);

// What is wrong with the delay the settings file gave when the display timer refused it
// with `failure`: the file, the delay's line and the value, as one line.
std::string DelayProblem(Services& services, const FieldValue& delay, const Failure& failure);

// Settings given on a command line, each taking the place of the file's where present.
struct SettingsOverride {
  std::optional<std::string> JokeStyle;
  std::optional<std::string> MedicalSetting;
  std::optional<double> DelaySeconds;
};
void ApplySettingsOverride(SharedState& state, const SettingsOverride& given);

// The bytes of the file for the three values: each on its own CR LF line, the delay with
// a blank before (the place of a sign) and after it.
std::string SettingsFileBytes(const std::string& style_word, const std::string& medical_word,
                              double delay_seconds);

// Puts a complete new settings file in place; a failure leaves the old one and is thrown.
void WriteSettings(Services& services, const std::string& style_word,
                   const std::string& medical_word, double delay_seconds);
