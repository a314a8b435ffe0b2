// The rule every timer's interval obeys: whole milliseconds from 0 to 65,535.
#pragma once

inline constexpr int kMaxTimerInterval = 65535;

// A number of milliseconds to the nearest whole (a half to the even neighbour); a value
// outside 0 to 65,535 is failure 380.
int CheckedTimerInterval(double milliseconds);
