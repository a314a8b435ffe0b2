// Listens to the saver's reader as it reads a joke database and notes, record by record,
// what the saver accepts but a person rarely means; after a failure it says where and
// why reading stopped, in the terms of the record it was in.
#pragma once

#include <map>
#include <optional>
#include <string>

#include "checker/joke_file_check.h"
#include "startup/joke_database_listener.h"

// What placing the error that stopped the reading needs to know of the text, which the
// reader is given to keep.
struct TextEnding {
  LineNumber last_written_line = 0;  // the last line with more than blanks on it; 0: none
  bool last_line_ended = false;

  static TextEnding Of(const std::string& text);
};

class RecordWatcher : public JokeDatabaseListener {
 public:
  // The services fold letter case for comparing punchlines.
  explicit RecordWatcher(Services& services) : services_(services) {}

  void HeaderRead(const FieldValue& version, const FieldValue& compatible) override;
  void RecordBegins(LineNumber line) override;
  void FieldsRead(const FieldValue& kind, const FieldValue& extra_seconds) override;
  void TextLineRead(LineNumber line, const std::string& text) override;
  void RecordEnds(LineNumber line, const std::string& text) override;
  void ReadingStopped(LineNumber line) override;

  // The error for the failure that stopped the reading, placed where it applies; `ending`
  // is that of the text the reader read.
  CheckFinding ErrorFor(int code, const std::string& description, const TextEnding& ending) const;

  FindingList findings;

 private:
  enum class Stage { kHeader, kFields, kText, kBetweenRecords };

  void Warn(FindingKind kind, LineNumber line, std::string message) {
    findings.Add({line, false, std::move(message), kind});
  }
  void CheckReadingTime(const std::string& text);
  void CheckPunchline(const std::string& text);

  Services& services_;
  Stage stage_ = Stage::kHeader;
  LineNumber record_line_ = 0;
  LineNumber stopped_line_ = 0;
  std::string record_kind_;  // the kind the saver reads, or empty for a dropped record
  std::optional<double> record_extra_seconds_;  // none when unreadable or negative
  std::map<std::string, LineNumber> first_line_of_text_;
  std::map<std::string, LineNumber> first_line_of_punchline_;  // of the entries the saver keeps
};
