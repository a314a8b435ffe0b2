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
};

// Empties the three categories to slots 0 to 500 with counts of 0.
void ResetEntryLists(SharedState& state);
