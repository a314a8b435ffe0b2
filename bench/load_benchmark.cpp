// Times LoadJokeDatabase on a database of 500 entries in each of the three categories,
// written to a temporary folder, and prints the median and the best of many runs.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "platform/headless/headless_services.h"
#include "startup/joke_database.h"

int main() {
  std::string pattern = (std::filesystem::temp_directory_path() / "zorbel-bench-XXXXXX").string();
  const std::string folder = mkdtemp(pattern.data());

  std::string bytes = "\"Benchmark database\",1,4\r\n";
  const char* kinds[] = {"clean", "rude", "medical"};
  for (int i = 0; i < 500; ++i) {
    for (const char* kind : kinds) {
      bytes += std::string(kind) + "," + std::to_string(i % 5) + ",0\r\n";
      bytes += "Why did zorbel number " + std::to_string(i) + " cross the road?\r\n";
      bytes += "Because the road was there, and so was zorbel.\r\n</joke>\r\n";
    }
  }
  std::ofstream(folder + "/jokes.txt", std::ios::binary) << bytes;

  HeadlessMachine machine;
  HeadlessServices services(machine, folder);
  std::vector<double> milliseconds;
  for (int run = 0; run < 200; ++run) {
    SharedState state;
    const auto start = std::chrono::steady_clock::now();
    ResetEntryLists(state);
    LoadJokeDatabase(state, services);
    const auto stop = std::chrono::steady_clock::now();
    if (state.clean.count + state.rude.count + state.medical.count != 1500) return 1;
    milliseconds.push_back(std::chrono::duration<double, std::milli>(stop - start).count());
  }
  std::sort(milliseconds.begin(), milliseconds.end());
  std::printf("LoadJokeDatabase, 3 x 500 entries, %zu bytes: median %.3f ms, best %.3f ms\n",
              bytes.size(), milliseconds[milliseconds.size() / 2], milliseconds.front());
  std::filesystem::remove_all(folder);
  return 0;
}
