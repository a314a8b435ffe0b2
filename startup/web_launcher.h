// The one routine through which the program opens a web page.
#pragma once

#include <functional>
#include <string>

#include "startup/shared_state.h"
#include "ui/services.h"

// Opens WebAddress in the user's browser and returns at once; whether it could be opened
// is never examined.
void OpenWebAddress(const SharedState& state, Services& services);

// How every page is opened: WebAddress becomes `address`, then OpenWebAddress runs.
void OpenPage(SharedState& state, Services& services, const std::string& address);

// OpenPage to run later, as when the box that announces the page has been closed.
std::function<void()> PageOpener(SharedState& state, Services& services, std::string address);
