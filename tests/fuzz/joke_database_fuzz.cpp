// Any bytes as the joke database: either they load, with at most 500 entries per category,
// each list one slot longer than its count and slot 0 empty, or the load fails with 62 or 9.
// The header reader agrees with the loader on the header of every file.

#include "startup/joke_database.h"
#include "tests/fuzz/memory_file_services.h"

namespace {

int CodeOf(void (*reader)(SharedState&, Services&), SharedState& state, Services& services) {
  try {
    reader(state, services);
  } catch (const Failure& failure) {
    return failure.code;
  }
  return 0;
}

void CheckCategory(std::int16_t count, const std::vector<std::string>& texts,
                   const std::vector<FieldValue>& extra_seconds) {
  FUZZ_CHECK(count >= 0 && count <= kMaxEntriesPerCategory);
  FUZZ_CHECK(texts.size() == static_cast<std::size_t>(count) + 1);
  FUZZ_CHECK(extra_seconds.size() == texts.size());
  FUZZ_CHECK(texts[0].empty() && IsEmpty(extra_seconds[0]));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  HeadlessMachine machine;
  MemoryFileServices services(machine, "/s", kJokeDatabaseFileName, bytes);

  SharedState loaded;
  ResetEntryLists(loaded);
  const int load_code = CodeOf(LoadJokeDatabase, loaded, services);
  SharedState header;
  const int header_code = CodeOf(ReadJokeHeader, header, services);

  if (load_code == 0) {
    CheckCategory(loaded.CleanJokeCount, loaded.CleanJokes, loaded.CleanJokeExtraSeconds);
    CheckCategory(loaded.RudeJokeCount, loaded.RudeJokes, loaded.RudeJokeExtraSeconds);
    CheckCategory(loaded.MedicalTermCount, loaded.MedicalTerms, loaded.MedicalTermExtraSeconds);
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
  return 0;
}
