// One category's entries: slot n of the texts and of the extra seconds hold entry n in
// file order, slot 0 stays empty, and the count says how many there are.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "startup/field_value.h"

// Slots 0 to this many in each entry list while the database loads.
inline constexpr int kMaxEntriesPerCategory = 500;

struct EntryList {
  std::vector<std::string> texts;
  std::vector<FieldValue> extra_seconds;
  std::int16_t count = 0;

  // Empty, with room for slots 0 to 500.
  void Reset();
  // Puts an entry into the slot after the last; a slot beyond the room is failure 9.
  void Add(std::string text, FieldValue extra);
  // Keeps slots 0 to the count.
  void ShrinkToCount();
};
