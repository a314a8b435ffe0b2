// The joke-file checker's verdict on one file: what the saver would refuse (errors) and
// what it would accept but a person rarely means (warnings), each on its line, with the
// counts per kind and the header's version fields.
#pragma once

#include <string>
#include <vector>

#include "startup/text_reader.h"
#include "ui/services.h"

struct CheckFinding {
  LineNumber line = 0;  // 0: the file as a whole
  bool error = false;
  std::string message;
};

struct CheckResult {
  std::vector<CheckFinding> findings;  // in line order
  int clean = 0;
  int rude = 0;
  int medical = 0;
  std::string version;     // the header's version field as the checker shows it
  std::string compatible;  // the header's compatibility field
  std::string encoding;    // what the file was read as, "UTF-8"; empty when it was not read
  bool refused = false;    // the saver would not start with this file

  int errors() const;
  int warnings() const;
  // 0: loads with nothing to warn about; 1: loads, with warnings; 2: refused.
  int status() const { return refused ? 2 : warnings() > 0 ? 1 : 0; }
};

// Checks a joke database from its bytes with the saver's own decoding and reader; the
// services give the system's code page and letter case, as the saver's would.
CheckResult CheckJokeBytes(const std::string& bytes, Services& services);

// The result for a file that could not be read: the failure's code and description.
CheckResult CannotRead(int code, const std::string& description);

// The report: one "FILE:LINE: error: ..." or "FILE:LINE: warning: ..." line per finding,
// then a summary line; every line ends with "\n". The file's name is shown escaped, as every
// text from the file is.
std::string FormatReport(const std::string& file_name, const CheckResult& result);
