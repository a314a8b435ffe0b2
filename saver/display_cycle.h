// One tick of the saver's display cycle: what comes next (a promotional message or a joke
// from the list the settings select), how long it stays, and how it looks and where.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "saver/chance.h"
#include "startup/shared_state.h"
#include "ui/controls.h"

// The item a tick shows, and the display timer's next interval (none: unchanged). The text
// lies in the entry lists or the promotional messages: choosing it copies nothing, and the
// label keeps the one copy of what it shows.
struct DisplayItem {
  std::string_view text;
  std::optional<int> interval;
};

// Steps up to the choice of the item, reseeding where the cycle does. `promo_messages` is
// the tick's list of promotional messages; `delay_interval` is 1000 x DelaySeconds in whole
// milliseconds.
DisplayItem ChooseDisplayItem(const SharedState& state, Chance& chance,
                              const std::vector<std::string>& promo_messages, int delay_interval);

// The interval after a joke with these extra seconds: the delay interval plus 1000 x extra,
// at most 65,535 ms; no extra time (0, empty, or a text that is not wholly a number), or a
// sum below the shortest delay (2 s), gives the delay interval.
int IntervalAfterJoke(const FieldValue& extra_seconds, int delay_interval);

// The colours a joke may come in: the standard palette's entries 7 to 13.
Color PaletteColor(int entry);

// Gives the label its text, a drawn colour, face, size and weight, shrinks the font until
// the label is narrower than the area (not below 1 point), and places it at random in it.
void StyleAndPlace(Label& label, std::string_view text, const TwipRect& area, Chance& chance);

// The whole tick, in order, on the display label and the display timer. `areas` are the
// window's parts on each monitor: an item goes to one of them, drawn when there are several.
void RunDisplayTick(Label& label, Timer& timer, const std::vector<TwipRect>& areas,
                    const SharedState& state, Chance& chance, int delay_interval,
                    const std::vector<std::string>& promo_messages);
