// The checker as a command: each named joke file checked and reported in turn, or the
// jokes.txt beside the program when none is named; the exit status is the worst verdict.
#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "ui/services.h"

int RunCheckCommand(const std::vector<std::string>& files, Services& services, std::ostream& out);
