// The calls the browser home makes into the page's script: text and bytes handed across
// the boundary and owned again on this side.
#pragma once

#include <string>

// Takes ownership of a buffer the script allocated with malloc: its bytes, then frees it.
std::string TakeScriptBytes(char* bytes, int length);
// The same for a NUL-terminated UTF-8 text.
std::string TakeScriptText(char* text);
