// Twips, points and pixels: the one rounding rule every home converts by.
#include <gtest/gtest.h>

#include <climits>

#include "ui/screen_units.h"

namespace {

TEST(ScreenUnits, HalvesRoundAwayFromZeroAsWindowsRoundsThem) {
  EXPECT_EQ(PixelsOfTwips(15, 96), 1);
  EXPECT_EQ(PixelsOfTwips(7, 96), 0);
  EXPECT_EQ(PixelsOfTwips(8, 96), 1);
  // At 120 dots per inch 12 twips make a pixel: 6 is half of one.
  EXPECT_EQ(PixelsOfTwips(6, 120), 1);
  EXPECT_EQ(PixelsOfTwips(18, 120), 2);
  EXPECT_EQ(PixelsOfTwips(-6, 120), -1);
  EXPECT_EQ(PixelsOfTwips(-5, 120), 0);
  EXPECT_EQ(TwipsOfPixels(1, 96), 15);
  EXPECT_EQ(TwipsOfPixels(1, 144), 10);
  EXPECT_EQ(TwipsOfPixels(1, 960), 2);  // 1.5
  EXPECT_EQ(TwipsOfPixels(-1, 960), -2);
}

TEST(ScreenUnits, LengthsBeyondAnIntSaturate) {
  EXPECT_EQ(TwipsOfPixels(LLONG_MAX / 2, 96), INT_MAX);
  EXPECT_EQ(TwipsOfPixels(LLONG_MIN / 2, 96), INT_MIN);
  EXPECT_EQ(PixelsOfTwips(LLONG_MAX, 960), INT_MAX);
  EXPECT_EQ(TwipsOfPixels(INT_MAX, 96), INT_MAX);
  EXPECT_EQ(PixelsOfTwips(INT_MAX, 96), INT_MAX / 15);
}

TEST(ScreenUnits, AFontIsAtLeastOnePixelHigh) {
  EXPECT_EQ(PixelsOfPoints(8.25, 96), 11);
  EXPECT_EQ(PixelsOfPoints(9, 96), 12);
  EXPECT_EQ(PixelsOfPoints(36, 192), 96);
  EXPECT_EQ(PixelsOfPoints(0.1, 96), 1);
}

}  // namespace
