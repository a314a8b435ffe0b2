// Start-up's reset of the entry lists.
#include "startup/shared_state.h"

void ResetEntryLists(SharedState& state) {
  const std::size_t slots = kMaxEntriesPerCategory + 1;
  state.CleanJokes.assign(slots, std::string());
  state.RudeJokes.assign(slots, std::string());
  state.MedicalTerms.assign(slots, std::string());
  state.CleanJokeExtraSeconds.assign(slots, FieldValue());
  state.RudeJokeExtraSeconds.assign(slots, FieldValue());
  state.MedicalTermExtraSeconds.assign(slots, FieldValue());
  state.CleanJokeCount = 0;
  state.RudeJokeCount = 0;
  state.MedicalTermCount = 0;
}
