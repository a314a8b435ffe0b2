// Twips, points and pixels at a screen's dots per inch: one rounding rule for every home
// that converts, so a design lands on the same pixels wherever it is laid out. Halves round
// away from zero, as Windows' MulDiv rounds; results too large for an int saturate.
#pragma once

inline constexpr int kTwipsPerInch = 1440;
inline constexpr int kPointsPerInch = 72;
// What a screen reports when it says nothing else.
inline constexpr int kDefaultDotsPerInch = 96;

// `value * numerator / denominator` rounded to the nearest whole, halves away from zero,
// saturated to an int; `denominator` is positive.
int ScaledRounded(long long value, int numerator, int denominator);

inline int PixelsOfTwips(long long twips, int dots_per_inch) {
  return ScaledRounded(twips, dots_per_inch, kTwipsPerInch);
}
inline int TwipsOfPixels(long long pixels, int dots_per_inch) {
  return ScaledRounded(pixels, kTwipsPerInch, dots_per_inch);
}
// A font's character height in whole pixels, at least one.
int PixelsOfPoints(double points, int dots_per_inch);
