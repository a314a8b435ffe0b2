// The one routine through which the program opens a web page.
#pragma once

#include "startup/shared_state.h"
#include "ui/services.h"

// Hands WebAddress to the shell with the verb "Open" and returns at once; whether the
// shell could open it is never examined.
void OpenWebAddress(const SharedState& state, Services& services);
