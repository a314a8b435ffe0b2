// Text between the program, where it is UTF-8, and Windows' wide functions, where it is
// UTF-16: every text the program shows, measures, opens or prints crosses here.
#pragma once

#include <optional>
#include <string>
#include <string_view>

// UTF-8 as UTF-16. A byte that belongs to no well-formed sequence shows as U+FFFD, so a
// damaged text still shows all it can.
std::wstring WideOf(std::string_view utf8);

// UTF-8 as UTF-16, or nothing when the text is not well-formed UTF-8: for names that must
// mean exactly what they say, as paths do.
std::optional<std::wstring> ExactWideOf(std::string_view utf8);

// UTF-16 as UTF-8; an unpaired surrogate becomes U+FFFD.
std::string Utf8Of(std::wstring_view wide);
