// The net under every handler after start-up: a failure that escapes ends the program
// after one box naming its code and description.
#pragma once

#include <functional>

#include "ui/services.h"

void RunGuarded(Services& services, const std::function<void()>& handler);
