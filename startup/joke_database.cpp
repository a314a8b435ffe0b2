// The two readers of the joke database and the shared-state lists they fill.
#include "startup/joke_database.h"

#include "startup/joke_file_encoding.h"
#include "startup/text_reader.h"
#include "ui/failure.h"

namespace {

// How much of the file the header reader takes first; it takes the whole file only when the
// three fields may run on past what it has, or when their letters could read otherwise in
// the whole file.
constexpr std::size_t kHeaderFirstRead = 4096;

// A field that reads the same whether the file turns out to be UTF-8 or ANSI: field ends are
// ASCII in both, so only letters beyond ASCII inside a field could differ.
bool ReadsTheSameInAnyCodePage(const FieldValue& field) {
  const std::string* text = std::get_if<std::string>(&field);
  if (text == nullptr) return true;
  for (const char c : *text) {
    if (static_cast<unsigned char>(c) >= 0x80) return false;
  }
  return true;
}

void ReadHeaderFields(TextReader& reader, SharedState& state) {
  reader.ReadField();
  state.JokesVersion = reader.ReadField();
  state.JokesCompatible = reader.ReadField();
}

// The text lines of a record up to its terminator; empty lines before the first
// non-empty one are dropped.
std::string ReadEntryText(TextReader& reader, JokeDatabaseListener* listener) {
  std::string text;
  for (;;) {
    const LineNumber line_number = reader.line_number();
    std::string line = reader.ReadLine();
    if (line == kRecordTerminator) {
      if (listener != nullptr) listener->RecordEnds(line_number, text);
      return text;
    }
    if (listener != nullptr) listener->TextLineRead(line_number, line);
    if (text.empty()) {
      text = std::move(line);
    } else {
      text += "\r\n";
      text += line;
    }
  }
}

// The list a record of this kind goes into; none for any other kind, which is dropped.
EntryList* ListForKind(SharedState& state, const FieldValue& kind) {
  const char* name = RecordKindName(kind);
  if (name == kRudeKind) return &state.rude;
  if (name == kCleanKind) return &state.clean;
  if (name == kMedicalKind) return &state.medical;
  return nullptr;
}

void ReadRecords(TextReader& reader, SharedState& state, JokeDatabaseListener* listener) {
  ReadHeaderFields(reader, state);
  if (listener != nullptr) listener->HeaderRead(state.JokesVersion, state.JokesCompatible);
  while (!reader.AtEnd()) {
    if (listener != nullptr) listener->RecordBegins(reader.line_number());
    const FieldValue kind = reader.ReadField();
    FieldValue extra_seconds = reader.ReadField();
    reader.ReadField();
    if (listener != nullptr) listener->FieldsRead(kind, extra_seconds);
    std::string text = ReadEntryText(reader, listener);
    if (EntryList* list = ListForKind(state, kind)) list->Add(std::move(text), std::move(extra_seconds));
  }
  state.rude.ShrinkToCount();
  state.clean.ShrinkToCount();
  state.medical.ShrinkToCount();
}

// The header's fields from the start of a longer file, when that start settles them: the end
// of the third field lies before the end of the start, so up to there the start is the file,
// and, without a mark (where UTF-8 or ANSI depends on all of the file), their letters read the
// same either way.
bool ReadHeaderFromStart(const std::string& start, SharedState& state, Services& services) {
  TextReader reader(DecodeJokeFile(start, services).text);
  SharedState header;
  try {
    ReadHeaderFields(reader, header);
  } catch (const Failure&) {
    return false;
  }
  if (reader.AtEnd()) return false;
  if (EncodingByMark(start) == TextEncoding::kUtf8 &&
      !(ReadsTheSameInAnyCodePage(header.JokesVersion) && ReadsTheSameInAnyCodePage(header.JokesCompatible))) {
    return false;
  }
  state.JokesVersion = std::move(header.JokesVersion);
  state.JokesCompatible = std::move(header.JokesCompatible);
  return true;
}

}  // namespace

// A file is read at most twice: its start, and, when that does not settle the header, the
// whole of it as the saver reads it (refused past the largest database).
void ReadJokeHeader(SharedState& state, Services& services) {
  std::string bytes = services.ReadOwnFile(OwnFile::kJokes, kHeaderFirstRead, ReadBound::kStopThere);
  if (bytes.size() == kHeaderFirstRead) {
    if (ReadHeaderFromStart(bytes, state, services)) return;
    bytes = services.ReadOwnFile(OwnFile::kJokes, kLargestJokeDatabase, ReadBound::kRefuseLonger);
  }
  TextReader reader(DecodeJokeFile(bytes, services).text);
  ReadHeaderFields(reader, state);
}

const char* RecordKindName(const FieldValue& kind) {
  for (const char* name : {kCleanKind, kRudeKind, kMedicalKind}) {
    if (IsWord(kind, name)) return name;
  }
  return nullptr;
}

void LoadJokeDatabase(SharedState& state, Services& services) {
  const std::string bytes = services.ReadOwnFile(OwnFile::kJokes, kLargestJokeDatabase, ReadBound::kRefuseLonger);
  TextReader reader(DecodeJokeFile(bytes, services).text);
  ReadRecords(reader, state, nullptr);
}

void ReadJokeDatabase(std::string text, SharedState& state, JokeDatabaseListener& listener) {
  TextReader reader(std::move(text));
  try {
    ReadRecords(reader, state, &listener);
  } catch (const Failure&) {
    listener.ReadingStopped(reader.line_number());
    throw;
  }
}
