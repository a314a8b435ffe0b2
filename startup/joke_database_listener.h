// What the joke database reader tells a listener as it goes: where each record begins,
// its fields, each text line with its number, its end, and where reading stopped. The
// joke-file checker listens; the saver does not.
#pragma once

#include <string>

#include "startup/field_value.h"
#include "startup/text_reader.h"

class JokeDatabaseListener {
 public:
  virtual ~JokeDatabaseListener() = default;

  // The header's version fields, read from the first lines.
  virtual void HeaderRead(const FieldValue& version, const FieldValue& compatible) = 0;
  // A record's kind field starts on `line`.
  virtual void RecordBegins(LineNumber line) = 0;
  virtual void FieldsRead(const FieldValue& kind, const FieldValue& extra_seconds) = 0;
  // A line of the record that is not its terminator, as read.
  virtual void TextLineRead(LineNumber line, const std::string& text) = 0;
  // The terminator on `line` ended the record, whose text is as the saver stores it.
  virtual void RecordEnds(LineNumber line, const std::string& text) = 0;
  // A failure stopped the reading; `line` is where it stood then.
  virtual void ReadingStopped(LineNumber line) = 0;
};
