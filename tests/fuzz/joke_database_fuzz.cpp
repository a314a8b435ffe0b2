// Any bytes as the joke database, through the decoding rule: either they load, with at most
// 500 entries per category, each list one slot longer than its count and slot 0 empty, or
// the load fails with 62 or 9.
// The header reader agrees with the loader on the header of every file. The checker agrees
// with the loader on whether the file is refused and on the counts, names at most one error,
// and places every finding on a line of the file, but for the one that it gives no entries.

#include <algorithm>

#include "checker/joke_file_check.h"
#include "startup/joke_database.h"
#include "tests/fuzz/memory_file_services.h"
#include "tests/support/failure_matchers.h"

namespace {

void CheckCategory(const EntryList& list) {
  FUZZ_CHECK(list.count >= 0 && list.count <= kMaxEntriesPerCategory);
  FUZZ_CHECK(list.texts.size() == static_cast<std::size_t>(list.count) + 1);
  FUZZ_CHECK(list.extra_seconds.size() == list.texts.size());
  FUZZ_CHECK(list.texts[0].empty() && IsEmpty(list.extra_seconds[0]));
}

void CheckTheChecker(const std::string& bytes, bool refused, const SharedState& loaded, Services& services) {
  const CheckResult result = CheckJokeBytes(bytes, services);
  FUZZ_CHECK(result.refused == refused);
  FUZZ_CHECK(result.errors() == (refused ? 1 : 0));
  FUZZ_CHECK(result.status() == (refused ? 2 : result.warnings() > 0 ? 1 : 0));
  if (!refused) {
    FUZZ_CHECK(result.clean == loaded.clean.count);
    FUZZ_CHECK(result.rude == loaded.rude.count);
    FUZZ_CHECK(result.medical == loaded.medical.count);
  }
  const LineNumber lines = static_cast<LineNumber>(std::count(bytes.begin(), bytes.end(), '\n') +
                                                   std::count(bytes.begin(), bytes.end(), '\r')) + 1;
  const bool no_entries = !refused && result.clean + result.rude + result.medical == 0;
  for (const CheckFinding& finding : result.findings) {
    // Line 0, the file as a whole, only for the warning that the file gives no entries.
    FUZZ_CHECK(finding.line >= 1 ? finding.line <= lines : finding.line == 0 && no_entries && !finding.error);
  }
  FormatReport("f", result);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  HeadlessMachine machine;
  MemoryFileServices services(machine, kJokeDatabaseFileName, bytes);

  SharedState loaded;
  ResetEntryLists(loaded);
  const int load_code = FailureCodeOf([&] { LoadJokeDatabase(loaded, services); });
  SharedState header;
  const int header_code = FailureCodeOf([&] { ReadJokeHeader(header, services); });

  if (load_code == 0) {
    for (const EntryList* list : {&loaded.clean, &loaded.rude, &loaded.medical}) CheckCategory(*list);
  } else {
    FUZZ_CHECK(load_code == failure_code::kInputPastEndOfFile ||
               load_code == failure_code::kSubscriptOutOfRange);
  }
  FUZZ_CHECK(header_code == 0 || header_code == failure_code::kInputPastEndOfFile);
  if (header_code != 0) FUZZ_CHECK(load_code == header_code);
  if (load_code == 0) {
    FUZZ_CHECK(header_code == 0);
    FUZZ_CHECK(header.JokesVersion == loaded.JokesVersion);
    FUZZ_CHECK(header.JokesCompatible == loaded.JokesCompatible);
  }
  CheckTheChecker(bytes, load_code != 0, loaded, services);
  return 0;
}
