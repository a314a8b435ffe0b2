// The state every window reads, filled by start-up: one object per run of Main, so that
// tests can run the program many times in one process.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "startup/field_value.h"

// Slots 0 to this many in each entry list while the database loads.
inline constexpr int kMaxEntriesPerCategory = 500;

struct SharedState {
  std::string AppVersion;
  FieldValue JokeStyle;
  FieldValue MedicalSetting;
  FieldValue DelaySeconds;
  FieldValue JokesVersion;
  FieldValue JokesCompatible;

  std::int16_t CleanJokeCount = 0;
  std::int16_t RudeJokeCount = 0;
  std::int16_t MedicalTermCount = 0;

  // Slot n holds entry n of its category in file order; slot 0 stays empty.
  std::vector<std::string> CleanJokes;
  std::vector<std::string> RudeJokes;
  std::vector<std::string> MedicalTerms;
  std::vector<FieldValue> CleanJokeExtraSeconds;
  std::vector<FieldValue> RudeJokeExtraSeconds;
  std::vector<FieldValue> MedicalTermExtraSeconds;

  std::string WebAddress;
};

// Empties the six lists to slots 0 to 500 and sets the three counts to 0.
void ResetEntryLists(SharedState& state);
