// Builds the upgrade check's address.
#include "setup/upgrade_request.h"

#include <charconv>
#include <cstdio>

#include "startup/web_endpoints.h"

namespace {

std::string PlainDecimal(double number) {
  char buffer[400];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, number, std::chars_format::fixed);
  return std::string(buffer, result.ptr);
}

std::string PercentEncoded(const std::string& text) {
  std::string encoded;
  for (unsigned char c : text) {
    if (std::isalnum(c) != 0 || c == '-' || c == '.' || c == '_' || c == '~') {
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
  if (const auto* number = std::get_if<double>(&value)) return PlainDecimal(*number);
  if (const auto* text = std::get_if<std::string>(&value)) return PercentEncoded(*text);
  return "";
}

std::string UpgradeRequestAddress(const SharedState& state) {
  return endpoints::MakerAddress("/zorbel/upgrade.cgi?jokesversion=" + QueryValue(state.JokesVersion) +
                                 "&appversion=" + TrimmedBlanks(state.AppVersion) +
                                 "&compatible=" + QueryValue(state.JokesCompatible));
}
