// The record-level warnings and the placing of the error that stopped the reading.
#include "checker/record_watcher.h"

#include <algorithm>
#include <cctype>

#include "checker/character_check.h"
#include "checker/character_width.h"
#include "checker/punchline.h"
#include "checker/reading_time.h"
#include "checker/shown_field.h"
#include "startup/joke_database.h"
#include "startup/numbers.h"
#include "startup/settings_vocabulary.h"
#include "ui/failure.h"
#include "ui/timer_interval.h"

namespace {

// Longer lines come out in type shrunk far below reading size to fit the screen's width.
constexpr std::size_t kLongestTextLine = 1000;

// The longest an entry stays on screen: the display timer's longest interval.
constexpr double kLongestShowingSeconds = kMaxTimerInterval / 1000.0;
// The most extra seconds worth giving an entry, in whole seconds, on top of the default delay.
constexpr int kMostUsefulExtraSeconds = kMaxTimerInterval / 1000 - kDefaultDelaySeconds;

std::string Trimmed(const std::string& text) {
  const auto blank = [](char c) { return c == ' ' || c == '\t'; };
  const auto first = std::find_if_not(text.begin(), text.end(), blank);
  const auto last = std::find_if_not(text.rbegin(), text.rend(), blank).base();
  return first < last ? std::string(first, last) : std::string();
}

std::string Lowered(std::string text) {
  for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return text;
}

// Why a kind field names none of the three kinds.
std::string KindWarning(const FieldValue& kind) {
  const std::string dropped = ": the saver drops this record";
  const std::string* text = std::get_if<std::string>(&kind);
  if (text != nullptr) {
    for (const char* name : {kCleanKind, kRudeKind, kMedicalKind}) {
      if (Trimmed(*text) == name) return "blanks or tabs around the kind " + ShownField(kind) + dropped;
      if (Lowered(Trimmed(*text)) == name) {
        return "the kind " + ShownField(kind) + " is not written \"" + name + "\" in lower case" + dropped;
      }
    }
  }
  return "the kind " + ShownField(kind) + " is not clean, rude or medical" + dropped;
}

// Why extra seconds give no extra time or take time away; empty when they are fine.
std::string ExtraSecondsWarning(const FieldValue& extra) {
  if (const auto seconds = NumericValueOf(extra)) {
    if (*seconds < 0) return "negative extra seconds " + ShownField(extra) + ": the joke stays a shorter time";
    return "";
  }
  const std::string& text = std::get<std::string>(extra);
  if (ParseDecimalNumber(Trimmed(text))) {
    return "blanks or tabs make the extra seconds " + ShownField(extra) + " unreadable: the joke gets no extra time";
  }
  return "the extra seconds " + ShownField(extra) + " are not a number: the joke gets no extra time";
}

}  // namespace

TextEnding TextEnding::Of(const std::string& text) {
  TextEnding ending;
  const std::size_t last_written = text.find_last_not_of(" \t\r\n");
  if (last_written != std::string::npos) ending.last_written_line = LineEndsBetween(text, 0, last_written) + 1;
  ending.last_line_ended = !text.empty() && (text.back() == '\n' || text.back() == '\r');
  return ending;
}

void RecordWatcher::HeaderRead(const FieldValue&, const FieldValue&) { stage_ = Stage::kBetweenRecords; }

void RecordWatcher::RecordBegins(LineNumber line) {
  stage_ = Stage::kFields;
  record_line_ = line;
}

void RecordWatcher::FieldsRead(const FieldValue& kind, const FieldValue& extra_seconds) {
  stage_ = Stage::kText;
  const char* name = RecordKindName(kind);
  record_kind_ = name != nullptr ? name : "";
  if (name == nullptr) Warn(FindingKind::kUnknownKind, record_line_, KindWarning(kind));
  record_extra_seconds_.reset();
  if (std::string warning = ExtraSecondsWarning(extra_seconds); !warning.empty()) {
    Warn(FindingKind::kExtraSeconds, record_line_, std::move(warning));
  } else {
    record_extra_seconds_ = NumericValueOf(extra_seconds);
  }
}

void RecordWatcher::TextLineRead(LineNumber line, const std::string& text) {
  if (std::string warning = CharacterWarning(text); !warning.empty()) {
    Warn(FindingKind::kControlCharacter, line, std::move(warning));
  }
  if (const std::size_t length = ReaderLength(text); length > kLongestTextLine) {
    Warn(FindingKind::kLongLine, line, "a text line of " + std::to_string(length) +
                   " characters: the saver shrinks its type until the line fits the screen's width, far too small to "
                   "read (keep lines to " + std::to_string(kLongestTextLine) + " characters)");
  }
  if (Lowered(Trimmed(text)) == kRecordTerminator) {
    Warn(FindingKind::kNearTerminator, line, Quoted(text) + " is not exactly \"" + kRecordTerminator +
                   "\": it becomes joke text and the record runs on to the next exact one");
  }
}

void RecordWatcher::RecordEnds(LineNumber, const std::string& text) {
  stage_ = Stage::kBetweenRecords;
  if (text.empty()) {
    Warn(FindingKind::kNoText, record_line_, "the record has no text: the saver shows an empty screen for it");
  } else {
    const auto [seen, first] = first_line_of_text_.emplace(text, record_line_);
    if (!first) {
      Warn(FindingKind::kRepeatedText, record_line_, "the same text as the record on line " + std::to_string(seen->second));
    }
    if (record_kind_.empty()) return;  // the saver never shows it
    CheckReadingTime(text);
    if (first) CheckPunchline(text);  // a repeated text has said so already
  }
}

void RecordWatcher::CheckReadingTime(const std::string& text) {
  if (!record_extra_seconds_) return;  // unreadable or negative: warned about already
  const std::size_t length = ReadingLength(text);
  const int needed = SecondsToRead(length);
  const double given = std::min(kDefaultDelaySeconds + *record_extra_seconds_, kLongestShowingSeconds);
  if (needed <= given) return;
  const bool timer_full = given == kLongestShowingSeconds;
  std::string message = "the text needs " + std::to_string(needed) + " seconds to read (" + std::to_string(length) +
                        " characters at " + std::to_string(kReadingCharactersPerSecond) +
                        " characters a second) but gets " + ShortestDecimal(given) + " (the default delay of " +
                        std::to_string(kDefaultDelaySeconds) + " plus " + ShortestDecimal(*record_extra_seconds_) +
                        " extra" + (timer_full ? ", as far as the saver's timer reaches" : "") + ")";
  const int extra = ExtraSecondsToRead(length);
  if (extra <= kMostUsefulExtraSeconds) {
    message += ": give it " + std::to_string(extra) + (extra == 1 ? " extra second" : " extra seconds");
  } else {
    const int readable = (kDefaultDelaySeconds + kMostUsefulExtraSeconds) * kReadingCharactersPerSecond;
    message += ": the saver's timer holds at most " + std::to_string(kMostUsefulExtraSeconds) +
               " extra seconds, so shorten it to " + std::to_string(readable) + " characters and give it those";
  }
  Warn(FindingKind::kReadingTime, record_line_, std::move(message));
}

void RecordWatcher::CheckPunchline(const std::string& text) {
  const std::string punchline = LastLine(text);
  const std::string key = PunchlineKey(punchline, services_);
  if (key.empty()) return;  // nothing to tell one punchline from another
  const auto [seen, first] = first_line_of_punchline_.emplace(key, record_line_);
  if (!first) {
    Warn(FindingKind::kRepeatedPunchline, record_line_, "the punchline " + Quoted(punchline) + " is that of the entry on line " +
                           std::to_string(seen->second) + " (capitals, blanks and punctuation aside)");
  }
}

void RecordWatcher::ReadingStopped(LineNumber line) { stopped_line_ = line; }

CheckFinding RecordWatcher::ErrorFor(int code, const std::string& description, const TextEnding& ending) const {
  const std::string saver_stops = " (the saver stops with code " + std::to_string(code) + ": " + description + ")";
  if (code == failure_code::kSubscriptOutOfRange) {
    return {record_line_, true,
            "a 501st " + record_kind_ + " entry: at most " + std::to_string(kMaxEntriesPerCategory) +
                " of each kind" + saver_stops};
  }
  if (code != failure_code::kInputPastEndOfFile) return {stopped_line_, true, "reading stopped here" + saver_stops};
  switch (stage_) {
    case Stage::kHeader:
      return {stopped_line_, true,
              "the file ends before the header's three fields (name, version, compatibility)" + saver_stops};
    case Stage::kFields:
      if (ending.last_written_line < record_line_) {
        return {record_line_, true,
                std::string("nothing may follow the last \"") + kRecordTerminator +
                    "\" line, not even a blank line" + saver_stops};
      }
      return {record_line_, true,
              "the file ends inside a record's fields: expected its kind, extra seconds and a third field" +
                  saver_stops};
    case Stage::kText: {
      const LineNumber last_line = stopped_line_ - (ending.last_line_ended ? 1 : 0);
      return {record_line_, true,
              std::string("this record has no \"") + kRecordTerminator + "\" line: the file ends at line " +
                  std::to_string(last_line) + saver_stops};
    }
    case Stage::kBetweenRecords: break;
  }
  return {stopped_line_, true, "reading stopped here" + saver_stops};
}
