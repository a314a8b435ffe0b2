// The setup hub's design: advertising side panel, the "why is it free" box and the
// buttons that lead to the options dialog, the information window and the web pages.
#pragma once

#include "ui/design.h"

const FormDesign& Form3Design();
