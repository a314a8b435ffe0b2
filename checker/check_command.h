// The checker as a command: each named joke file checked and reported in turn, or the
// program's own jokes.txt when none is named; the exit status is the worst verdict,
// or kReportNotWritten when the report could not be written whole.
#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "ui/services.h"

// Higher than every verdict (0 fine, 1 warnings, 2 refused): a report that did not reach its
// reader says nothing, good or bad, about the files.
inline constexpr int kReportNotWritten = 3;

int RunCheckCommand(const std::vector<std::string>& files, Services& services, std::ostream& out);
