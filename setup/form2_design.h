// The options dialog's design: joke style, delay and medical switch on the left, the
// maker's advertising panel with its two links on the right.
#pragma once

#include "ui/design.h"

const FormDesign& Form2Design();
