// Checking one joke database: the saver's reader with a watcher, the byte checks, and the
// report in the form editors and terminals understand.
#include "checker/joke_file_check.h"

#include <algorithm>

#include "checker/record_watcher.h"
#include "checker/shown_field.h"
#include "startup/joke_database.h"
#include "ui/failure.h"

namespace {

std::string Counted(int count, const char* one, const char* many) {
  return std::to_string(count) + " " + (count == 1 ? one : many);
}

}  // namespace

int CheckResult::errors() const {
  return static_cast<int>(std::count_if(findings.begin(), findings.end(), [](const CheckFinding& f) { return f.error; }));
}

int CheckResult::warnings() const { return static_cast<int>(findings.size()) - errors(); }

CheckResult CheckJokeBytes(const std::string& bytes) {
  CheckResult result;
  SharedState state;
  ResetEntryLists(state);
  RecordWatcher watcher;
  try {
    ReadJokeDatabase(bytes, state, watcher);
  } catch (const Failure& failure) {
    watcher.findings.push_back(watcher.ErrorFor(failure.code, failure.description, bytes));
    result.refused = true;
  }
  result.findings = std::move(watcher.findings);
  std::stable_sort(result.findings.begin(), result.findings.end(),
                   [](const CheckFinding& a, const CheckFinding& b) { return a.line < b.line; });
  result.clean = state.clean.count;
  result.rude = state.rude.count;
  result.medical = state.medical.count;
  result.version = ShownField(state.JokesVersion);
  result.compatible = ShownField(state.JokesCompatible);
  return result;
}

CheckResult CannotRead(int code, const std::string& description) {
  CheckResult result;
  result.refused = true;
  result.findings.push_back({0, true,
                             "cannot read the file: " + description + " (the saver stops with code " +
                                 std::to_string(code) + ")"});
  result.version = result.compatible = "(unread)";
  return result;
}

std::string FormatReport(const std::string& file_name, const CheckResult& result) {
  std::string report;
  for (const CheckFinding& finding : result.findings) {
    const std::string place = finding.line > 0 ? file_name + ":" + std::to_string(finding.line) : file_name;
    report += place + (finding.error ? ": error: " : ": warning: ") + finding.message + "\n";
  }
  report += file_name + ": " + std::to_string(result.clean) + " clean, " + std::to_string(result.rude) +
            " rude, " + std::to_string(result.medical) + " medical; version " + result.version +
            ", compatible " + result.compatible + "; " + Counted(result.errors(), "error", "errors") + ", " +
            Counted(result.warnings(), "warning", "warnings") +
            (result.refused ? "; the saver would refuse this file" : "") + "\n";
  return report;
}
