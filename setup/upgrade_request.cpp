// Builds the upgrade check's address.
#include "setup/upgrade_request.h"

#include <cstdio>

#include "startup/numbers.h"
#include "startup/web_endpoints.h"

namespace {

// The characters an address may carry as they are: ASCII letters and digits and four marks,
// whatever the locale counts as a letter.
bool IsUnreserved(unsigned char c) {
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-' || c == '.' ||
         c == '_' || c == '~';
}

std::string PercentEncoded(const std::string& text) {
  std::string encoded;
  for (unsigned char c : text) {
    if (IsUnreserved(c)) {
      encoded += static_cast<char>(c);
    } else {
      char escape[4];
      std::snprintf(escape, sizeof escape, "%%%02X", c);
      encoded += escape;
    }
  }
  return encoded;
}

std::string TrimmedBlanks(const std::string& text) {
  const std::size_t first = text.find_first_not_of(' ');
  if (first == std::string::npos) return "";
  return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

}  // namespace

std::string QueryValue(const FieldValue& value) {
  if (const auto* number = std::get_if<double>(&value)) return ShortestFixedDecimal(*number);
  if (const auto* text = std::get_if<std::string>(&value)) return PercentEncoded(*text);
  return "";
}

std::string UpgradeRequestAddress(const SharedState& state) {
  return endpoints::MakerAddress("/zorbel/upgrade.cgi?jokesversion=" + QueryValue(state.JokesVersion) +
                                 "&appversion=" + TrimmedBlanks(state.AppVersion) +
                                 "&compatible=" + QueryValue(state.JokesCompatible));
}
