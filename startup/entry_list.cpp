// Filling one category's entry list.
#include "startup/entry_list.h"

#include "ui/failure.h"

void EntryList::Reset() {
  const std::size_t slots = kMaxEntriesPerCategory + 1;
  texts.assign(slots, std::string());
  extra_seconds.assign(slots, FieldValue());
  count = 0;
}

void EntryList::Add(std::string text, FieldValue extra) {
  const int slot = count + 1;
  if (slot >= static_cast<int>(texts.size()) || slot >= static_cast<int>(extra_seconds.size())) {
    Fail(failure_code::kSubscriptOutOfRange);
  }
  count = static_cast<std::int16_t>(slot);
  texts[slot] = std::move(text);
  extra_seconds[slot] = std::move(extra);
}

void EntryList::ShrinkToCount() {
  texts.resize(count + 1);
  extra_seconds.resize(count + 1);
}
