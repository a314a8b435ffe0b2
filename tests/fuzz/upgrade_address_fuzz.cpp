// Any joke database header as the upgrade check's query: the address keeps its three keys
// in order, and no value carries a character that could end a value, add a key or leave
// the address.

#include "setup/upgrade_request.h"
#include "startup/joke_database.h"
#include "startup/web_endpoints.h"
#include "tests/fuzz/memory_file_services.h"
#include "tests/support/failure_matchers.h"

namespace {

bool IsQuerySafe(char c) {
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-' ||
         c == '.' || c == '_' || c == '~' || c == '%';
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  HeadlessMachine machine;
  MemoryFileServices services(machine, kJokeDatabaseFileName, bytes);
  SharedState state;
  state.AppVersion = "4beta1";
  if (FailureCodeOf([&] { ReadJokeHeader(state, services); }) != 0) return 0;
  const std::string address = UpgradeRequestAddress(state);
  const std::string base = endpoints::MakerAddress("/zorbel/upgrade.cgi?");
  FUZZ_CHECK(address.starts_with(base));
  std::string_view query = std::string_view(address).substr(base.size());
  for (const char* key : {"jokesversion=", "&appversion=4beta1&compatible="}) {
    FUZZ_CHECK(query.starts_with(key));
    query.remove_prefix(std::string_view(key).size());
    const std::size_t value_end = query.find('&');
    const std::string_view value = query.substr(0, value_end);
    for (char c : value) FUZZ_CHECK(IsQuerySafe(c));
    query.remove_prefix(value.size());
  }
  FUZZ_CHECK(query.empty());
  return 0;
}
