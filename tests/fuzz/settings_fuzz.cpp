// Any bytes as the settings file: the reader never fails, and it yields either the three
// defaults together or three values that were read.

#include "startup/settings_file.h"
#include "tests/fuzz/memory_file_services.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  HeadlessMachine machine;
  MemoryFileServices services(machine, kSettingsFileName, bytes);
  SharedState state;
  try {
    ReadSettings(state, services);
  } catch (...) {
    FUZZ_CHECK(!"ReadSettings let something escape");
  }
  const bool defaults = state.JokeStyle == FieldValue(std::string("clean")) &&
                        state.MedicalSetting == FieldValue(std::string("medicalno")) &&
                        state.DelaySeconds == FieldValue(7.0);
  // Fewer than three line or comma ends cannot hold three fields.
  std::size_t ends = 0;
  for (char c : bytes) ends += c == '\n' || c == '\r' || c == ',';
  if (bytes.empty()) FUZZ_CHECK(defaults);
  if (!defaults) FUZZ_CHECK(ends >= 2);
  return 0;
}
