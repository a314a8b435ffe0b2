// The information window's design: a title, a body and an "OK!" button; its callers fill
// in the caption and both texts.
#pragma once

#include "ui/design.h"

const FormDesign& Form4Design();
