// What a native command prints for its user beside its work: --help or --version on stdout,
// with the exit status a tool gives when that text cannot reach its reader; and its own
// messages on stderr after its name, escaped as every text from outside is.
#pragma once

#include <string>

// 0 when `text` reached stdout whole; otherwise 1, after a line on stderr saying why.
int PrintedOnStdout(const std::string& program, const std::string& text);

// "PROGRAM: MESSAGE" on stderr, each line of the message on a line of its own.
void WriteDiagnostic(const std::string& program, const std::string& message);
