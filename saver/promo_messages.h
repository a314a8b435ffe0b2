// The promotional messages shown between jokes, and the uniform pick among them.
#pragma once

#include <string>
#include <vector>

inline constexpr int kPromoMessageCount = 17;

// Positions 0 to 17; position 0 holds nothing and is never picked.
std::vector<std::string> BuildPromoMessages();

// The message at position 1 + floor(17 u) for a draw u in [0, 1).
const std::string& PickPromoMessage(const std::vector<std::string>& messages, double u);
