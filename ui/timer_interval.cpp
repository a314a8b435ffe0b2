// Rounding and range check of timer intervals.
#include "ui/timer_interval.h"

#include <cfenv>
#include <cmath>

#include "ui/failure.h"

int CheckedTimerInterval(double milliseconds) {
  std::fesetround(FE_TONEAREST);
  const double whole = std::nearbyint(milliseconds);
  if (!(whole >= 0 && whole <= kMaxTimerInterval)) Fail(failure_code::kInvalidPropertyValue);
  return static_cast<int>(whole);
}
