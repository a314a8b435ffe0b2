// The message shown when start-up fails, chosen by the failure's code.
#pragma once

#include <string>

#include "ui/failure.h"

inline constexpr const char* kStartupReportTitle = "D'oh! An error occurred";

std::string StartupReportText(const Failure& failure);
