// The display tick on the headless platform with a frozen clock: the list each setting
// selects and with what chance, the intervals extra seconds give, the fit and the place.
#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <map>
#include <set>

#include "saver/display_cycle.h"
#include "saver/form1.h"
#include "saver/promo_messages.h"
#include "tests/support/headless_program.h"

namespace {

class DisplayCycleTest : public ::testing::Test {
 protected:
  DisplayCycleTest() {
    ResetEntryLists(state);
    Settings("rude", "medicalyes");
    state.clean.Add("clean joke", 0.0);
    state.rude.Add("rude joke", 0.0);
    state.medical.Add("medical term", 0.0);
    form.Timer1.SetInterval(7000);
  }
  void Settings(const std::string& style, const std::string& medical) {
    state.JokeStyle = style;
    state.MedicalSetting = medical;
  }
  bool IsPromo(const std::string& text) const { return promos.count(text) > 0; }
  // Runs `ticks` ticks and counts what Label1 showed, with every promotional message
  // counted as "promo".
  std::map<std::string, int> Tally(int ticks) {
    std::map<std::string, int> shown;
    for (int i = 0; i < ticks; ++i) {
      form.Timer1_Timer();
      ++shown[IsPromo(form.Label1.text()) ? "promo" : form.Label1.text()];
    }
    return shown;
  }

  HeadlessPlatform platform{"/s", "."};  // its clock stays at midnight
  SharedState state;
  Chance chance{[this] { return platform.services.TimeOfDaySeconds(); }};
  Form1 form{platform.ui(), state, chance, 7000};
  const std::vector<std::string> promo_list = BuildPromoMessages();
  const std::set<std::string> promos{promo_list.begin() + 1, promo_list.end()};
};

// A share of n draws is within five standard deviations of p.
void ExpectShare(int hits, int n, double p, const std::string& what) {
  const double sigma = std::sqrt(p * (1 - p) / n);
  EXPECT_NEAR(static_cast<double>(hits) / n, p, 5 * sigma) << what;
}

TEST_F(DisplayCycleTest, ChancesHoldWithAFrozenClock) {
  constexpr int kTicks = 60000;
  auto shown = Tally(kTicks);
  ExpectShare(shown["promo"], kTicks, 1005.0 / 5970, "promotional messages");
  const int jokes = kTicks - shown["promo"];
  ExpectShare(shown["clean joke"], jokes, 33.0 / 99, "clean with rude and medical");
  ExpectShare(shown["rude joke"], jokes, 57.0 / 99, "rude with rude and medical");
  ExpectShare(shown["medical term"], jokes, 9.0 / 99, "medical with rude and medical");

  Settings("rude", "medicalno");
  shown = Tally(kTicks);
  const int rude_or_clean = kTicks - shown["promo"];
  ExpectShare(shown["clean joke"], rude_or_clean, 29.0 / 59, "clean with rude alone");
  ExpectShare(shown["rude joke"], rude_or_clean, 30.0 / 59, "rude with rude alone");
  EXPECT_EQ(shown.count("medical term"), 0u);
}

TEST_F(DisplayCycleTest, SettingsThatSelectNoListShowNothingAndKeepTheInterval) {
  for (const FieldValue& style : {FieldValue(std::string("Clean")), FieldValue()}) {
    state.JokeStyle = style;
    form.Timer1.SetInterval(4321);
    for (int i = 0; i < 300; ++i) {
      const int before = form.Timer1.interval();
      form.Timer1_Timer();
      if (IsPromo(form.Label1.text())) {
        EXPECT_EQ(form.Timer1.interval(), 7000);
      } else {
        EXPECT_EQ(form.Label1.text(), "");
        EXPECT_EQ(form.Timer1.interval(), before);
      }
    }
  }
  Settings("rude", "medicalyes");
  ResetEntryLists(state);
  form.Timer1.SetInterval(4321);
  for (int i = 0; i < 50; ++i) {
    form.Timer1_Timer();
    EXPECT_TRUE(IsPromo(form.Label1.text()) || form.Label1.text().empty());
    EXPECT_EQ(form.Timer1.interval(), 7000) << "an empty list sets the delay";
  }
}

TEST_F(DisplayCycleTest, AJokeStaysForTheDelayPlusItsOwnExtraSecondsWhateverCameBefore) {
  Settings("clean", "medicalno");
  state.clean.extra_seconds[1] = 5.0;
  state.clean.Add("short joke", 3.0);
  std::map<std::string, int> jokes_in_a_row;
  std::string before;
  for (int i = 0; i < 400; ++i) {
    form.Timer1_Timer();
    const std::string shown(form.Label1.text());
    const int after = form.Timer1.interval();
    if (IsPromo(shown)) {
      EXPECT_EQ(after, 7000);
    } else {
      EXPECT_EQ(after, shown == "clean joke" ? 12000 : 10000) << shown << " after " << before;
      if (!before.empty() && !IsPromo(before)) ++jokes_in_a_row[before + "/" + shown];
    }
    before = shown;
  }
  EXPECT_EQ(jokes_in_a_row.size(), 4u) << "each joke came right after each, with extra time on both";
}

TEST(IntervalAfterJoke, StaysWithinTheTimersRange) {
  EXPECT_EQ(IntervalAfterJoke(5.0, 7000), 12000);
  EXPECT_EQ(IntervalAfterJoke(0.0, 7000), 7000);
  EXPECT_EQ(IntervalAfterJoke(FieldValue(), 7000), 7000);
  EXPECT_EQ(IntervalAfterJoke(0.0005, 7000), 7000) << "half a millisecond to even";
  EXPECT_EQ(IntervalAfterJoke(0.0015, 7000), 7002);
  EXPECT_EQ(IntervalAfterJoke(58.535, 7000), 65535);
  EXPECT_EQ(IntervalAfterJoke(60.0, 7000), 65535) << "no failure 380";
  EXPECT_EQ(IntervalAfterJoke(-5.0, 7000), 2000);
  EXPECT_EQ(IntervalAfterJoke(-5.001, 7000), 7000) << "never under 2 s: no flicker, no stop";
  EXPECT_EQ(IntervalAfterJoke(0.001, 2000), 2001);
  EXPECT_EQ(IntervalAfterJoke(-10.0, 7000), 7000);
  EXPECT_EQ(IntervalAfterJoke(-7.0, 2000), 2000);
  EXPECT_EQ(IntervalAfterJoke(-1e300, 7000), 7000);
  EXPECT_EQ(IntervalAfterJoke(std::string("3"), 7000), 10000);
  EXPECT_EQ(IntervalAfterJoke(std::string("3 s"), 7000), 7000);
}

TEST_F(DisplayCycleTest, StylingDrawsFromThePaletteFacesSizesAndWeights) {
  std::set<std::string> faces;
  std::set<double> sizes;
  std::set<bool> weights;
  std::set<std::tuple<int, int, int>> colours;
  for (int i = 0; i < 2000; ++i) {
    StyleAndPlace(form.Label1, "x", form.MonitorAreas().front(), chance);
    faces.insert(form.Label1.font().name);
    sizes.insert(form.Label1.font().size_points);
    weights.insert(form.Label1.font().bold);
    const Color c = *form.Label1.text_color();
    colours.insert({c.red, c.green, c.blue});
  }
  EXPECT_EQ(faces, (std::set<std::string>{"Arial", "Times New Roman"}));
  EXPECT_EQ(sizes.size(), 15u);
  EXPECT_EQ(*sizes.begin(), 18);
  EXPECT_EQ(*sizes.rbegin(), 32);
  EXPECT_EQ(weights.size(), 2u);
  EXPECT_EQ(colours, (std::set<std::tuple<int, int, int>>{{192, 192, 192}, {128, 128, 128},
                                                           {0, 0, 255}, {0, 255, 0}, {0, 255, 255},
                                                           {255, 0, 0}, {255, 0, 255}}));
}

TEST_F(DisplayCycleTest, TheLabelFitsTheWindowAtTheFirstSmallerSizeAndStaysInside) {
  const TwipSize window = form.ClientSize();
  const TwipRect whole{0, 0, window.width, window.height};
  const std::string wide(90, 'w');  // too wide at every drawn size
  for (int i = 0; i < 500; ++i) {
    StyleAndPlace(form.Label1, i % 2 ? wide : "short\r\nand a longer line", whole, chance);
    const Label& label = form.Label1;
    ASSERT_LT(label.width(), window.width);
    ASSERT_GE(label.left(), 0);
    ASSERT_LE(label.left(), window.width - label.width());
    ASSERT_GE(label.top(), 0);
    ASSERT_LE(label.top(), window.height - label.height());
    if (i % 2) {
      FontSpec one_up = label.font();
      one_up.size_points += 1;
      EXPECT_GE(platform.windows.MeasureText(one_up, wide).width, window.width)
          << "stops at the first size that fits";
    }
  }
}

TEST_F(DisplayCycleTest, TextsTooBigForTheScreenStopAtOnePointAndStayOnIt) {
  std::string tall;
  for (int i = 0; i < 2796203; ++i) tall += "a\r\n";
  const std::string wide(6700000, 'w');
  EXPECT_EQ(platform.windows.MeasureText({"Arial", 32, false, false}, tall).height, INT_MAX)
      << "a measure past the largest whole number saturates instead of wrapping round";
  EXPECT_EQ(platform.windows.MeasureText({"Arial", 32, true, false}, wide).width, INT_MAX);

  const TwipSize window = form.ClientSize();
  const TwipRect whole{0, 0, window.width, window.height};
  for (const std::string& text : {std::string(5000, 'w'), wide}) {
    StyleAndPlace(form.Label1, text, whole, chance);
    EXPECT_EQ(form.Label1.font().size_points, 1);
    EXPECT_EQ(form.Label1.left(), 0) << "too wide even at 1 point";
  }
  for (int i = 0; i < 5; ++i) {
    StyleAndPlace(form.Label1, tall, whole, chance);
    EXPECT_GE(form.Label1.left(), 0);
    EXPECT_LE(form.Label1.left(), std::max(0, window.width - form.Label1.width()));
    EXPECT_LE(form.Label1.top(), 0) << "a label taller than the window starts above its top";
  }
}

TEST_F(DisplayCycleTest, EachItemStaysWithinOneMonitorAndEveryMonitorGetsItems) {
  const TwipSize window = form.ClientSize();
  const int half = window.width / 2;
  platform.windows.monitor_areas = {{0, 0, half, window.height}, {half, 0, window.width - half, window.height}};
  int on_right = 0;
  for (int i = 0; i < 400; ++i) {
    form.Timer1_Timer();
    const Label& label = form.Label1;
    const bool right = label.left() >= half;
    ASSERT_TRUE(right || label.left() + label.width() <= half) << "across both: " << label.text();
    ASSERT_GE(label.top(), 0);
    ASSERT_LE(label.top() + label.height(), window.height);
    on_right += right;
  }
  ExpectShare(on_right, 400, 0.5, "items on the second monitor");
}

// Each promotional message the platform can act on comes alike, and so does each entry:
// with a setup screen all seventeen messages, without one the thirteen that do not send the
// user there.
TEST(PromoPick, EachMessageThePlatformCanActOnAndEachEntryComeAlike) {
  const std::vector<std::string> all = BuildPromoMessages();
  ASSERT_EQ(all.size(), 18u) << "seventeen from position one";
  EXPECT_EQ(&PickPromoMessage(all, 0.0), &all[1]);
  EXPECT_EQ(&PickPromoMessage(all, 1.0 / 17), &all[2]);
  EXPECT_EQ(&PickPromoMessage(all, std::nextafter(1.0, 0.0)), &all[17]);
  const auto sends_to_setup = [](const std::string& message) {
    return message.find("setup screen") != std::string::npos || message.find("set up screen") != std::string::npos;
  };
  for (const bool has_setup_screen : {true, false}) {
    HeadlessPlatform platform{"/s", "."};
    platform.services.has_setup_screen = has_setup_screen;
    SharedState state;
    ResetEntryLists(state);
    state.JokeStyle = std::string("clean");
    state.MedicalSetting = std::string("medicalyes");
    state.rude.Add("rude joke", 0.0);
    state.medical.Add("medical term", 0.0);
    for (int k = 1; k <= 4; ++k) state.clean.Add("clean joke " + std::to_string(k), 0.0);
    Chance chance{[] { return 0.0; }};
    Form1 form{platform.ui(), state, chance, 7000};
    form.Timer1.SetInterval(7000);
    constexpr int kTicks = 60000;
    std::map<std::string, int> counts;
    for (int i = 0; i < kTicks; ++i) {
      form.Timer1_Timer();
      ++counts[form.Label1.text()];
    }
    int promo_total = 0;
    int offered = 0;
    for (std::size_t i = 1; i < all.size(); ++i) {
      promo_total += counts[all[i]];
      offered += has_setup_screen || !sends_to_setup(all[i]);
    }
    ASSERT_EQ(offered, has_setup_screen ? 17 : 13) << "four messages send the user to the setup screen";
    for (std::size_t i = 1; i < all.size(); ++i) {
      if (has_setup_screen || !sends_to_setup(all[i])) {
        ExpectShare(counts[all[i]], promo_total, 1.0 / offered, all[i]);
      } else {
        EXPECT_EQ(counts[all[i]], 0) << all[i];
      }
    }
    EXPECT_EQ(counts["rude joke"] + counts["medical term"], 0)
        << "clean shows clean jokes only, also with medical terms allowed";
    for (int k = 1; k <= 4; ++k) {
      ExpectShare(counts["clean joke " + std::to_string(k)], kTicks - promo_total, 0.25, "clean joke");
    }
  }
}

TEST(Chance, ReseedsAtOneClockReadingStillGiveFreshDraws) {
  Chance chance([] { return 43200.0; });
  std::set<double> draws;
  for (int i = 0; i < 1000; ++i) {
    chance.Reseed();
    const double u = chance.Draw();
    ASSERT_GE(u, 0.0);
    ASSERT_LT(u, 1.0);
    draws.insert(u);
  }
  EXPECT_EQ(draws.size(), 1000u);
}

}  // namespace
