// Bytes of a joke's text line that will not show as the writer meant: control characters,
// and sequences that form UTF-8 (a file saved as UTF-8 shows two or three odd characters
// where the writer typed one).
#pragma once

#include <string>

// A byte as findings show it: "0x07".
std::string Hex(unsigned char byte);

// The warning for the first such byte or sequence in the line, or an empty text.
std::string ByteWarning(const std::string& line);
