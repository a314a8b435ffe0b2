// The address of the upgrade check: the joke database's version and compatibility and the
// program's version as query values on the maker's upgrade script.
#pragma once

#include <string>

#include "startup/shared_state.h"

// A value as the query carries it: a number in its plain decimal form, nothing for empty,
// and a text percent-encoded so that it can neither add keys nor break the address.
std::string QueryValue(const FieldValue& value);

std::string UpgradeRequestAddress(const SharedState& state);
