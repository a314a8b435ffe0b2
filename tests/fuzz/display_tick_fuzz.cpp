// Any bytes as the joke database (after one byte that picks the settings) under a few
// hundred display ticks: the label's left edge stays between 0 and the room the window
// leaves, and the display timer's interval stays between 1 and 65,535 ms.
#include <algorithm>

#include "platform/headless/headless_window_system.h"
#include "startup/joke_database.h"
#include "app/program.h"
#include "tests/fuzz/memory_file_services.h"

namespace {

constexpr int kTicks = 300;

void SetStyle(SharedState& state, std::uint8_t choice) {
  static const char* const kStyles[] = {"clean", "rude", "Clean", ""};
  static const char* const kMedical[] = {"medicalyes", "medicalno"};
  state.JokeStyle = std::string(kStyles[choice % 4]);
  state.MedicalSetting = std::string(kMedical[(choice / 4) % 2]);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  const std::string_view bytes(reinterpret_cast<const char*>(data) + 1, size - 1);
  HeadlessMachine machine;
  MemoryFileServices services(machine, kJokeDatabaseFileName, bytes);
  HeadlessWindowSystem windows;
  FailureNet failure_net(services);
  Program program(services, windows, failure_net);
  RunHeadless([&] { program.Main(ProgramMode::kSave); });
  if (services.ended) return 0;  // a database that does not load
  SetStyle(program.state, data[0]);
  Form1& form = program.form1.Get();
  const TwipSize window = form.ClientSize();
  for (int tick = 0; tick < kTicks; ++tick) {
    form.Timer1_Timer();
    windows.journal.clear();
    FUZZ_CHECK(form.Label1.left() >= 0);
    FUZZ_CHECK(form.Label1.left() <= std::max(0, window.width - form.Label1.width()));
    FUZZ_CHECK(form.Timer1.interval() >= 1 && form.Timer1.interval() <= 65535);
  }
  return 0;
}
