// Times the display tick on the headless platform: the shipped joke database loaded with
// rude jokes and medical terms allowed, many ticks in a row, the mean cost of one printed.
#include <chrono>
#include <cstdio>

#include "platform/headless/headless_services.h"
#include "platform/headless/headless_window_system.h"
#include "app/program.h"

int main(int argc, char** argv) {
  const char* data_folder = argc > 1 ? argv[1] : "data";
  HeadlessMachine machine;
  HeadlessServices services(machine, data_folder);
  HeadlessWindowSystem windows;
  FailureNet failure_net(services);
  Program program(services, windows, failure_net);
  RunHeadless([&] { program.Main(ProgramMode::kSave); });
  if (windows.program_ended()) {
    std::fprintf(stderr, "no joke database in %s\n", data_folder);
    return 1;
  }
  program.state.JokeStyle = std::string("rude");
  program.state.MedicalSetting = std::string("medicalyes");
  Form1& form = program.form1.Get();

  constexpr int kTicks = 200000;
  const auto start = std::chrono::steady_clock::now();
  for (int i = 0; i < kTicks; ++i) {
    form.Timer1_Timer();
    if (windows.journal.size() > 10000) windows.journal.clear();
  }
  const std::chrono::duration<double, std::micro> elapsed = std::chrono::steady_clock::now() - start;
  std::printf("Timer1_Timer on the headless platform, %d ticks: %.2f us per tick\n", kTicks,
              elapsed.count() / kTicks);
  return 0;
}
