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

// What the warnings of a kind are about, for the line that counts those left out.
const char* KindDescription(FindingKind kind) {
  switch (kind) {
    case FindingKind::kFile: break;
    case FindingKind::kControlCharacter: return "control characters in the text";
    case FindingKind::kLongLine: return "text lines too long to read";
    case FindingKind::kNearTerminator: return "lines that are nearly \"</joke>\"";
    case FindingKind::kUnknownKind: return "records the saver drops for their kind";
    case FindingKind::kExtraSeconds: return "extra seconds that give no extra time or take time away";
    case FindingKind::kNoText: return "records without text";
    case FindingKind::kRepeatedText: return "texts the same as an earlier record's";
    case FindingKind::kReadingTime: return "entries shown for less than their reading time";
    case FindingKind::kRepeatedPunchline: return "punchlines an earlier entry has";
  }
  return "the file";
}

}  // namespace

void FindingList::Add(CheckFinding finding) {
  if (!finding.error) {
    LeftOut& tally = of_kind_.try_emplace(finding.kind, LeftOut{finding.kind}).first->second;
    ++tally.count;
    tally.last_line = finding.line;
    if (tally.count > kShownOfAKind) return;
  }
  shown_.push_back(std::move(finding));
}

std::vector<CheckFinding> FindingList::TakeShown() {
  std::stable_sort(shown_.begin(), shown_.end(),
                   [](const CheckFinding& a, const CheckFinding& b) { return a.line < b.line; });
  return std::move(shown_);
}

std::vector<LeftOut> FindingList::left_out() const {
  std::vector<LeftOut> left_out;
  for (const auto& [kind, tally] : of_kind_) {
    if (tally.count > kShownOfAKind) left_out.push_back({kind, tally.count - kShownOfAKind, tally.last_line});
  }
  return left_out;
}

int CheckResult::errors() const {
  return static_cast<int>(std::count_if(findings.begin(), findings.end(), [](const CheckFinding& f) { return f.error; }));
}

int CheckResult::warnings() const {
  int count = static_cast<int>(findings.size()) - errors();
  for (const LeftOut& kind : left_out) count += kind.count;
  return count;
}

CheckResult CheckJokeBytes(std::string bytes, Services& services) {
  CheckResult result;
  DecodedText decoded = DecodeJokeFile(bytes, services);
  result.encoding = EncodingName(decoded.encoding, services);
  const NotText not_text = WhyNotText(bytes, decoded);
  std::string().swap(bytes);  // from here on, the text is all there is to read
  SharedState state;
  ResetEntryLists(state);
  RecordWatcher watcher(services);
  const TextEnding ending = TextEnding::Of(decoded.text);
  std::optional<Failure> stopped;
  try {
    ReadJokeDatabase(std::move(decoded.text), state, watcher);
  } catch (const Failure& failure) {
    watcher.findings.Add(watcher.ErrorFor(failure.code, failure.description, ending));
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
  FindingList& findings = watcher.findings;
  if (no_entries) findings.Add({0, false, std::string("no entries: ") + kOnlyPromotions});
  for (CheckFinding& warning : DecodingWarnings(decoded, services)) findings.Add(std::move(warning));
  result.findings = findings.TakeShown();
  result.left_out = findings.left_out();
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
  for (const LeftOut& kind : result.left_out) {
    report += file_name + ": note: " + Counted(kind.count, "more warning", "more warnings") + " about " +
              KindDescription(kind.kind) + ", the last on line " + std::to_string(kind.last_line) +
              ", not shown\n";
  }
  report += file_name + ": " + std::to_string(result.clean) + " clean, " + std::to_string(result.rude) +
            " rude, " + std::to_string(result.medical) + " medical; version " + result.version +
            ", compatible " + result.compatible + "; " +
            (result.encoding.empty() ? "" : "read as " + result.encoding + "; ") + Counted(result.errors(), "error", "errors") + ", " +
            Counted(result.warnings(), "warning", "warnings") +
            (result.refused ? "; the saver would refuse this file" : "") + "\n";
  return report;
}
