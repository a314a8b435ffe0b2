// The words and numbers of the settings: the style and medical words as the settings file
// holds them, the defaults when there is no usable file, the delays the options dialog
// accepts. Every reader and writer of a setting takes them from here.
#pragma once

namespace settings_word {
inline constexpr const char* kClean = "clean";
inline constexpr const char* kRude = "rude";
inline constexpr const char* kMedicalYes = "medicalyes";
inline constexpr const char* kMedicalNo = "medicalno";
}  // namespace settings_word

inline constexpr const char* kDefaultJokeStyle = settings_word::kClean;
inline constexpr const char* kDefaultMedicalSetting = settings_word::kMedicalNo;
inline constexpr int kDefaultDelaySeconds = 7;

// The options dialog accepts delays from the shortest to the longest, both included; the
// display never changes faster than the shortest, whatever a settings file says.
inline constexpr int kShortestDelaySeconds = 2;
inline constexpr int kLongestDelaySeconds = 30;
