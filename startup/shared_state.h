// The state every window reads, filled by start-up: one object per run of Main, so that
// tests can run the program many times in one process.
#pragma once

#include <string>

#include "startup/entry_list.h"
#include "startup/field_value.h"

struct SharedState {
  std::string AppVersion;
  FieldValue JokeStyle;
  FieldValue MedicalSetting;
  FieldValue DelaySeconds;
  FieldValue JokesVersion;
  FieldValue JokesCompatible;

  // The three categories of the joke database.
  EntryList clean;
  EntryList rude;
  EntryList medical;

  std::string WebAddress;

  const std::vector<std::string>& CleanJokes() const { return clean.texts; }
  const std::vector<std::string>& RudeJokes() const { return rude.texts; }
  const std::vector<std::string>& MedicalTerms() const { return medical.texts; }
  const std::vector<FieldValue>& CleanJokeExtraSeconds() const { return clean.extra_seconds; }
  const std::vector<FieldValue>& RudeJokeExtraSeconds() const { return rude.extra_seconds; }
  const std::vector<FieldValue>& MedicalTermExtraSeconds() const { return medical.extra_seconds; }
  int CleanJokeCount() const { return clean.count; }
  int RudeJokeCount() const { return rude.count; }
  int MedicalTermCount() const { return medical.count; }
};

// Empties the three categories to slots 0 to 500 with counts of 0.
void ResetEntryLists(SharedState& state);
