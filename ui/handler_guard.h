// The net under every handler after start-up: whatever escapes ends the program after one
// box naming its code and description.
#pragma once

#include <functional>

#include "ui/services.h"

void RunGuarded(Services& services, const std::function<void()>& handler);

// Called inside a catch block: shows the run-time error box for the exception in flight and
// ends the program with a failed exit status. If even the box cannot be shown, the program
// still ends. It does not come back: ending the program stops the process, or, where the
// platform cannot stop it on the spot, throws.
void EndOnEscapedException(Services& services);
