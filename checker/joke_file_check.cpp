// Checking one joke database: the saver's reader with a watcher, the byte checks, and the
// report in the form editors and terminals understand.
#include "checker/joke_file_check.h"

#include <algorithm>
#include <optional>

#include "checker/encoding_check.h"
#include "checker/record_watcher.h"
#include "checker/shown_field.h"
#include "startup/joke_database.h"
#include "ui/failure.h"

namespace {

constexpr const char* kOnlyPromotions = "the saver would show only promotional messages";

// The one finding for a UTF-16 file: an error when the saver refuses it, as it does any
// such file with a record in it, since no line ever reads as "</joke>"; otherwise a
// warning, as the saver starts but finds no entries.
CheckFinding Utf16Finding(const ByteOrderMark& mark, const std::optional<Failure>& stopped) {
  std::string message = WhatTheFileIs(mark) +
                        ": the saver reads single-byte text, where every other byte of this file is 0 and nothing "
                        "reads as meant; save it as ANSI text";
  if (stopped) {
    message += " (the saver stops with code " + std::to_string(stopped->code) + ": " + stopped->description + ")";
  } else {
    message += std::string(": as it is, the saver finds no entries, and ") + kOnlyPromotions;
  }
  return {1, stopped.has_value(), message};
}

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
  std::optional<Failure> stopped;
  try {
    ReadJokeDatabase(bytes, state, watcher);
  } catch (const Failure& failure) {
    watcher.findings.push_back(watcher.ErrorFor(failure.code, failure.description, bytes));
    stopped = failure;
  }
  result.refused = stopped.has_value();
  result.clean = state.clean.count;
  result.rude = state.rude.count;
  result.medical = state.medical.count;
  result.version = ShownField(state.JokesVersion);
  result.compatible = ShownField(state.JokesCompatible);

  const ByteOrderMark* mark = ByteOrderMarkOf(bytes);
  if (mark != nullptr && mark->utf16) {
    // Read byte by byte, every other byte is 0: findings line by line would only say so
    // thousands of times over.
    result.findings = {Utf16Finding(*mark, stopped)};
    result.version = result.compatible = "(unread)";
    return result;
  }
  if (mark != nullptr) {
    result.findings.push_back({1, false,
                               WhatTheFileIs(*mark) +
                                   ": the saver reads single-byte text, so the mark joins the header's first field "
                                   "and letters beyond plain ASCII show as odd characters (save the file as ANSI text)"});
  }
  if (!result.refused && result.clean + result.rude + result.medical == 0) {
    result.findings.push_back({0, false, std::string("no entries: ") + kOnlyPromotions});
  }
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
