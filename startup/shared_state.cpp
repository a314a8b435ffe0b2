// Start-up's reset of the entry lists.
#include "startup/shared_state.h"

void ResetEntryLists(SharedState& state) {
  for (EntryList* list : {&state.clean, &state.rude, &state.medical}) list->Reset();
}
