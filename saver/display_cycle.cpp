// The display tick. Every draw is 1 + floor(n u) or first + floor(n u) on a fresh draw u,
// and the generator is reseeded before the promotion roll, before its threshold and before
// the styling draws.
#include "saver/display_cycle.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "saver/promo_messages.h"
#include "startup/numbers.h"
#include "startup/settings_vocabulary.h"
#include "ui/timer_interval.h"

namespace {

// The list the settings select for a tick that shows a joke; none for settings that
// select nothing.
const EntryList* ChooseList(const SharedState& state, Chance& chance) {
  const bool rude_style = IsWord(state.JokeStyle, settings_word::kRude);
  if (rude_style && IsWord(state.MedicalSetting, settings_word::kMedicalYes)) {
    const int c = DrawWhole(chance, 1, 99);
    if (c <= 33) return &state.clean;
    if (c <= 90) return &state.rude;
    return &state.medical;
  }
  if (rude_style && IsWord(state.MedicalSetting, settings_word::kMedicalNo)) {
    return DrawWhole(chance, 1, 59) <= 29 ? &state.clean : &state.rude;
  }
  if (IsWord(state.JokeStyle, settings_word::kClean)) return &state.clean;
  return nullptr;
}

int Floor(double value) { return static_cast<int>(std::floor(value)); }

}  // namespace

DisplayItem ChooseDisplayItem(const SharedState& state, Chance& chance,
                              const std::vector<std::string>& promo_messages, int delay_interval) {
  chance.Reseed();
  const int roll = DrawWhole(chance, 1, 199);
  chance.Reseed();
  const int threshold = DrawWhole(chance, 151, 30);
  if (roll > threshold) return {PickPromoMessage(promo_messages, chance.Draw()), delay_interval};

  const EntryList* list = ChooseList(state, chance);
  if (!list) return {"", std::nullopt};
  if (list->count <= 0) return {"", delay_interval};
  const int k = DrawWhole(chance, 1, list->count);
  return {list->texts[k], IntervalAfterJoke(list->extra_seconds[k], delay_interval)};
}

int IntervalAfterJoke(const FieldValue& extra_seconds, int delay_interval) {
  const std::optional<double> extra = NumericValueOf(extra_seconds);
  if (!extra || *extra == 0) return delay_interval;
  // Counted from the delay, never from the interval before: the user's delay does not drift
  // however many jokes with extra time come in a row.
  const double interval = std::nearbyint(delay_interval + 1000 * *extra);
  // Negative extra time that would bring the interval under the shortest delay means no
  // extra time: the display never changes faster than that, and 0 would stop the timer.
  if (interval < 1000.0 * kShortestDelaySeconds) return delay_interval;
  return static_cast<int>(std::min(interval, static_cast<double>(kMaxTimerInterval)));
}

Color PaletteColor(int entry) {
  static constexpr Color kPalette[] = {
      {192, 192, 192}, {128, 128, 128}, {0, 0, 255}, {0, 255, 0},
      {0, 255, 255},   {255, 0, 0},     {255, 0, 255},
  };
  return kPalette[std::clamp(entry, 7, 13) - 7];
}

void StyleAndPlace(Label& label, std::string_view text, const TwipRect& area, Chance& chance) {
  chance.Reseed();
  const int colour = DrawWhole(chance, 7, 7);
  FontSpec font = label.font();
  font.name = DrawWhole(chance, 1, 10) >= 5 ? "Times New Roman" : "Arial";
  font.size_points = DrawWhole(chance, 18, 15);
  font.bold = DrawWhole(chance, 1, 10) > 5;
  label.SetTextColor(PaletteColor(colour));
  label.SetTextAndFont(text, font);
  while (label.width() >= area.width && font.size_points > 1) {
    font.size_points = std::max(1.0, font.size_points - 1);
    label.SetFont(font);
  }
  // In floating point: the label of a huge text may measure up to the largest whole number.
  const int left = Floor(chance.Draw() * (area.width - static_cast<double>(label.width()) + 1));
  const int top = Floor(chance.Draw() * (area.height - static_cast<double>(label.height()) + 1));
  label.SetLeft(area.left + std::max(0, left));
  label.SetTop(area.top + top);
}

void RunDisplayTick(Label& label, Timer& timer, const std::vector<TwipRect>& areas,
                    const SharedState& state, Chance& chance, int delay_interval,
                    const std::vector<std::string>& promo_messages) {
  label.SetVisible(false);
  const DisplayItem item =
      ChooseDisplayItem(state, chance, promo_messages, delay_interval);
  if (item.interval) timer.SetInterval(*item.interval);
  // One monitor draws no lot, so a single screen sees the same draws as ever.
  const int monitor = areas.size() > 1 ? DrawWhole(chance, 0, static_cast<int>(areas.size())) : 0;
  StyleAndPlace(label, item.text, areas[monitor], chance);
  label.SetVisible(true);
}
