// The promotional messages shown between jokes, and the uniform pick among them. A platform
// without the setup screen leaves out the messages that send the user there.
#pragma once

#include <string>
#include <vector>

inline constexpr int kPromoMessageCount = 17;

// Positions 0 to 17; position 0 holds nothing and is never picked. Without a setup screen
// the four messages that point to it are left out and the others move up.
std::vector<std::string> BuildPromoMessages(bool has_setup_screen = true);

// The message at position 1 + floor(n u) for a draw u in [0, 1), n the messages in the list.
const std::string& PickPromoMessage(const std::vector<std::string>& messages, double u);
