// Jokes far larger than the screen: their measures saturate instead of wrapping round, and
// the label still lands with its left edge where the display cycle allows.
#include <gtest/gtest.h>

#include <climits>

#include "platform/headless/headless_services.h"
#include "platform/headless/headless_window_system.h"
#include "saver/display_cycle.h"
#include "saver/form1.h"

namespace {

TEST(HugeJoke, MeasuresSaturateAtTheLargestWholeNumber) {
  HeadlessWindowSystem windows;
  std::string lines;
  for (int i = 0; i < 2796203; ++i) lines += "a\r\n";
  EXPECT_EQ(windows.MeasureText({"Arial", 32, false, false}, lines).height, INT_MAX);
  EXPECT_EQ(windows.MeasureText({"Arial", 32, true, false}, std::string(6700000, 'w')).width, INT_MAX);
  EXPECT_EQ(windows.MeasureText({"Arial", 1, false, false}, std::string(6700000, 'w')).width, 67000000);
}

TEST(HugeJoke, TheLabelsLeftEdgeStaysOnTheScreen) {
  HeadlessMachine machine;
  HeadlessServices services{machine, "/s", "."};
  HeadlessWindowSystem windows;
  SharedState state;
  Chance chance{[] { return 0.25; }};
  Form1 form{UiContext{windows, services}, state, chance, 7000};
  const TwipSize window = form.ClientSize();
  std::string tall;
  for (int i = 0; i < 2796203; ++i) tall += "a\r\n";
  const std::string wide(6700000, 'w');
  for (const std::string* text : {static_cast<const std::string*>(&tall), &wide}) {
    for (int i = 0; i < 5; ++i) {
      StyleAndPlace(form.Label1, *text, window, chance);
      const int room = std::max(0, window.width - form.Label1.width());
      EXPECT_GE(form.Label1.left(), 0);
      EXPECT_LE(form.Label1.left(), room);
      if (text == &tall) {
        EXPECT_LE(form.Label1.top(), 0) << "a label taller than the window starts above its top";
      } else {
        EXPECT_EQ(form.Label1.left(), 0) << "too wide even at 1 point";
      }
    }
  }
}

}  // namespace
