// Any bytes as a joke file for the checker: it agrees with the saver's loader on whether the
// file is refused and on the counts, names at most one error, and places every finding on a
// line of the file, but for the one that the whole file gives no entries.

#include <algorithm>

#include "checker/joke_file_check.h"
#include "startup/joke_database.h"
#include "tests/fuzz/memory_file_services.h"
#include "tests/support/failure_matchers.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  HeadlessMachine machine;
  MemoryFileServices services(machine, "/s", kJokeDatabaseFileName, bytes);
  SharedState loaded;
  ResetEntryLists(loaded);
  const bool refused = FailureCodeOf([&] { LoadJokeDatabase(loaded, services); }) != 0;

  const CheckResult result = CheckJokeBytes(bytes);
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
  return 0;
}
