// The one place that holds the maker's and the joke network's addresses. The maker's host
// and domain can be changed at build time (CMake cache variables ZORBEL_WEB_HOST and
// ZORBEL_WEB_DOMAIN); the defaults lie under the reserved .example domain and are short
// enough that every caption showing one fits its control.
#pragma once

#include <string>

#ifndef ZORBEL_WEB_HOST
#define ZORBEL_WEB_HOST "www.tw.example"
#endif
#ifndef ZORBEL_WEB_DOMAIN
#define ZORBEL_WEB_DOMAIN "tw.example"
#endif

namespace endpoints {

inline constexpr const char* kMakerWebHost = ZORBEL_WEB_HOST;
inline constexpr const char* kMakerDomain = ZORBEL_WEB_DOMAIN;
inline constexpr const char* kSupportMailbox = "ss";
inline constexpr const char* kJokeNetworkHost = "www.zorbelring.example";
inline constexpr const char* kJokeNetworkPathWord = "ring";

inline std::string SupportEmail() { return std::string(kSupportMailbox) + "@" + kMakerDomain; }

// An address on the maker's web host: "http://" + host + path.
inline std::string MakerAddress(const std::string& path) {
  return std::string("http://") + kMakerWebHost + path;
}

// The product's own page, "/zorbel/", in full.
inline std::string ProductPageAddress() { return MakerAddress("/zorbel/"); }

// The redirect script with its "where" key.
inline std::string BounceAddress(const std::string& where) {
  return MakerAddress("/zorbel/bounce.cgi?where=" + where);
}

}  // namespace endpoints
