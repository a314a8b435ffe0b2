// The one routine through which the program opens a web page.
#pragma once

#include "startup/shared_state.h"
#include "ui/services.h"

// Hands WebAddress to the shell with the verb "Open" and returns at once; whether the
// shell could open it is never examined.
void OpenWebAddress(const SharedState& state, Services& services);

// How every page is opened: WebAddress becomes `address`, then OpenWebAddress runs.
void OpenPage(SharedState& state, Services& services, const std::string& address);
