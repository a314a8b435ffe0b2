// The saver window's design: a black borderless window over the whole screen with the
// intro panel, the two notice labels, the arming flag, the display label and three timers.
#pragma once

#include "ui/design.h"

const FormDesign& Form1Design();
