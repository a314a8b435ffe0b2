// Times the display tick with one 10 MB clean joke on the headless platform, in three
// shapes: one line of 10 MB, 80-character lines and one-character lines. Prints the mean
// and the worst tick.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "platform/headless/headless_services.h"
#include "platform/headless/headless_window_system.h"
#include "app/program.h"

namespace {

constexpr std::size_t kJokeBytes = 10 * 1024 * 1024;
constexpr int kTicks = 40;

std::string JokeText(std::size_t line_length) {
  std::string text;
  text.reserve(kJokeBytes + line_length + 2);
  while (text.size() < kJokeBytes) {
    if (!text.empty()) text += "\r\n";
    text.append(line_length, 'w');
  }
  return text;
}

void TimeTicks(const char* shape, std::size_t line_length) {
  std::string pattern = (std::filesystem::temp_directory_path() / "zorbel-bench-XXXXXX").string();
  const std::string folder = mkdtemp(pattern.data());
  std::ofstream(folder + "/jokes.txt", std::ios::binary)
      << "\"Benchmark\",1,4\r\nclean,0,0\r\n" << JokeText(line_length) << "\r\n</joke>\r\n";

  HeadlessMachine machine;
  HeadlessServices services(machine, folder);
  HeadlessWindowSystem windows;
  FailureNet failure_net(services);
  Program program(services, windows, failure_net);
  RunHeadless([&] { program.Main(ProgramMode::kSave); });
  std::filesystem::remove_all(folder);
  if (services.ended) {
    std::fprintf(stderr, "the program ended at start-up\n");
    std::exit(1);
  }
  Form1& form = program.form1.Get();
  double total = 0;
  double worst = 0;
  int jokes = 0;
  for (int i = 0; i < kTicks; ++i) {
    const auto start = std::chrono::steady_clock::now();
    form.Timer1_Timer();
    const std::chrono::duration<double, std::milli> took = std::chrono::steady_clock::now() - start;
    windows.journal.clear();
    total += took.count();
    worst = std::max(worst, took.count());
    if (form.Label1.text().size() >= kJokeBytes) ++jokes;
  }
  std::printf("Timer1_Timer, 10 MB joke as %s: mean %.1f ms, worst %.1f ms per tick "
              "(%d of %d ticks showed it)\n",
              shape, total / kTicks, worst, jokes, kTicks);
}

}  // namespace

int main() {
  TimeTicks("one line", kJokeBytes);
  TimeTicks("80-character lines", 80);
  TimeTicks("one-character lines", 1);
  return 0;
}
