// The translation of whatever is thrown into the program's failure codes: whatever a handler
// or start-up throws becomes a Failure with a classic run-time code, so the user always gets
// a box with a code and a description instead of a program that silently vanishes.
#pragma once

#include "ui/failure.h"

// Thrown by EndProgram on a platform that cannot stop the process on the spot (the
// in-memory one); every net lets it pass so that it reaches the platform's own catch.
struct ProgramEnding {};

// Called inside a catch block: the exception in flight as the failure it stands for. A
// Failure is itself; running out of memory is 7; a system resource refused is 7 when the
// system says it lacks memory, else 361; any other exception is 51. A ProgramEnding in
// flight is thrown on.
Failure FailureInFlight();
