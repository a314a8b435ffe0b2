// The joke-file checker's verdict on one file: what the saver would refuse (errors) and
// what it would accept but a person rarely means (warnings), each on its line, with the
// counts per kind and the header's version fields.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "startup/text_reader.h"
#include "ui/services.h"

// What a finding is about. Of each kind the report shows the first kShownOfAKind findings
// and counts the rest, so that a file of a million faulty records gives a report a person
// can read, and the checker needs memory in proportion to the file, not to its faults.
enum class FindingKind {
  kFile,  // the file as a whole, its encoding, and the error that stops the saver
  kControlCharacter,
  kLongLine,
  kNearTerminator,
  kUnknownKind,
  kExtraSeconds,
  kNoText,
  kRepeatedText,
  kReadingTime,
  kRepeatedPunchline,
};

inline constexpr int kShownOfAKind = 200;

struct CheckFinding {
  LineNumber line = 0;  // 0: the file as a whole
  bool error = false;
  std::string message;
  FindingKind kind = FindingKind::kFile;
};

// The warnings of one kind beyond those shown.
struct LeftOut {
  FindingKind kind;
  int count = 0;
  LineNumber last_line = 0;
};

// The findings of one file as they are made, in any order: every error, and of the warnings
// the first kShownOfAKind of each kind whole, the others only counted.
class FindingList {
 public:
  void Add(CheckFinding finding);
  // The findings kept, in line order, and what was left out of each kind.
  std::vector<CheckFinding> TakeShown();
  std::vector<LeftOut> left_out() const;

 private:
  std::vector<CheckFinding> shown_;
  std::map<FindingKind, LeftOut> of_kind_;  // every warning of each kind found so far, and the last one's line
};

struct CheckResult {
  std::vector<CheckFinding> findings;  // in line order
  std::vector<LeftOut> left_out;       // warnings counted but not among the findings
  int clean = 0;
  int rude = 0;
  int medical = 0;
  std::string version;     // the header's version field as the checker shows it
  std::string compatible;  // the header's compatibility field
  std::string encoding;    // what the file was read as, "UTF-8"; empty when it was not read
  bool refused = false;    // the saver would not start with this file

  int errors() const;
  int warnings() const;  // those left out too
  // 0: loads with nothing to warn about; 1: loads, with warnings; 2: refused.
  int status() const { return refused ? 2 : warnings() > 0 ? 1 : 0; }
};

// Checks a joke database from its bytes with the saver's own decoding and reader; the
// services give the system's code page and letter case, as the saver's would. The bytes
// are let go as soon as they are decoded.
CheckResult CheckJokeBytes(std::string bytes, Services& services);

// The result for a file that could not be read: the failure's code and description.
CheckResult CannotRead(int code, const std::string& description);

// The report: one "FILE:LINE: error: ..." or "FILE:LINE: warning: ..." line per finding,
// one "FILE: note: ..." line for each kind with warnings left out, then a summary line;
// every line ends with "\n". The file's name is shown escaped, as every
// text from the file is.
std::string FormatReport(const std::string& file_name, const CheckResult& result);
