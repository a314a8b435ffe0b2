// The one rounding rule for twips, points and pixels.
#include "ui/screen_units.h"

#include <algorithm>
#include <climits>
#include <cmath>

int ScaledRounded(long long value, int numerator, int denominator) {
  // In 128 bits: a twip count near the top of long long times a DPI overflows 64.
  const __int128 product = static_cast<__int128>(value) * numerator;
  const __int128 half = denominator / 2;
  const __int128 rounded = product >= 0 ? (product + half) / denominator : (product - half) / denominator;
  return static_cast<int>(std::clamp<__int128>(rounded, INT_MIN, INT_MAX));
}

int PixelsOfPoints(double points, int dots_per_inch) {
  return static_cast<int>(std::max(1L, std::lround(points * dots_per_inch / kPointsPerInch)));
}
