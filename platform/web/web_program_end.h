// How the program ends in a page, which cannot stop its process: the end is thrown, past
// every net, to the call from the page that is running, which then puts the run away.
#pragma once

#include "ui/failure_in_flight.h"

struct WebProgramEnded : ProgramEnding {
  int status = 0;
  explicit WebProgramEnded(int status) : status(status) {}
};
