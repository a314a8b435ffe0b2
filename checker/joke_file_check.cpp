// Checking one joke database: the saver's decoding and reader with a watcher, and the
// report in the form editors and terminals understand.
#include "checker/joke_file_check.h"

#include <algorithm>
#include <optional>

#include "checker/encoding_findings.h"
#include "checker/record_watcher.h"
#include "checker/shown_field.h"
#include "startup/joke_database.h"
#include "ui/failure.h"

namespace {

constexpr const char* kOnlyPromotions = "the saver would show only promotional messages";

// The one finding for a file that is not text: an error when the saver refuses it,
// otherwise a warning, with what the saver makes of it.
CheckFinding NotTextFinding(const NotText& not_text, const std::optional<Failure>& stopped, bool no_entries) {
  std::string message = not_text.reason;
  if (stopped) {
    message += " (the saver stops with code " + std::to_string(stopped->code) + ": " + stopped->description + ")";
  } else if (no_entries) {
    message += std::string(": as it is, the saver finds no entries, and ") + kOnlyPromotions;
  }
  return {not_text.line, stopped.has_value(), message};
}

std::string Counted(int count, const char* one, const char* many) {
  return std::to_string(count) + " " + (count == 1 ? one : many);
}

}  // namespace

int CheckResult::errors() const {
  return static_cast<int>(std::count_if(findings.begin(), findings.end(), [](const CheckFinding& f) { return f.error; }));
}

int CheckResult::warnings() const { return static_cast<int>(findings.size()) - errors(); }

CheckResult CheckJokeBytes(const std::string& bytes, Services& services) {
  CheckResult result;
  const DecodedText decoded = DecodeJokeFile(bytes, services);
  result.encoding = EncodingName(decoded.encoding, services);
  const NotText not_text = WhyNotText(bytes, decoded);
  SharedState state;
  ResetEntryLists(state);
  RecordWatcher watcher(services);
  std::optional<Failure> stopped;
  try {
    ReadJokeDatabase(decoded.text, state, watcher);
  } catch (const Failure& failure) {
    watcher.findings.push_back(watcher.ErrorFor(failure.code, failure.description, decoded.text));
    stopped = failure;
  }
  result.refused = stopped.has_value();
  result.clean = state.clean.count;
  result.rude = state.rude.count;
  result.medical = state.medical.count;
  result.version = ShownField(state.JokesVersion);
  result.compatible = ShownField(state.JokesCompatible);

  const bool no_entries = !result.refused && result.clean + result.rude + result.medical == 0;
  if (!not_text.reason.empty()) {
    // Findings line by line would only say the same thousands of times over.
    result.findings = {NotTextFinding(not_text, stopped, no_entries)};
    return result;
  }
  if (no_entries) result.findings.push_back({0, false, std::string("no entries: ") + kOnlyPromotions});
  for (CheckFinding& warning : DecodingWarnings(decoded, services)) result.findings.push_back(std::move(warning));
  result.findings.insert(result.findings.end(), watcher.findings.begin(), watcher.findings.end());
  std::stable_sort(result.findings.begin(), result.findings.end(),
                   [](const CheckFinding& a, const CheckFinding& b) { return a.line < b.line; });
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

std::string FormatReport(const std::string& name, const CheckResult& result) {
  const std::string file_name = ShownName(name);
  std::string report;
  for (const CheckFinding& finding : result.findings) {
    const std::string place = finding.line > 0 ? file_name + ":" + std::to_string(finding.line) : file_name;
    report += place + (finding.error ? ": error: " : ": warning: ") + finding.message + "\n";
  }
  report += file_name + ": " + std::to_string(result.clean) + " clean, " + std::to_string(result.rude) +
            " rude, " + std::to_string(result.medical) + " medical; version " + result.version +
            ", compatible " + result.compatible + "; " +
            (result.encoding.empty() ? "" : "read as " + result.encoding + "; ") + Counted(result.errors(), "error", "errors") + ", " +
            Counted(result.warnings(), "warning", "warnings") +
            (result.refused ? "; the saver would refuse this file" : "") + "\n";
  return report;
}
