// The two readers of the joke database and the shared-state lists they fill.
#include "startup/joke_database.h"

#include "startup/text_reader.h"
#include "ui/failure.h"

namespace {

TextReader OpenDatabase(Services& services) {
  return TextReader(services.ReadWholeFile(services.ProgramDirectory() + kJokeDatabaseFileName));
}

void ReadHeaderFields(TextReader& reader, SharedState& state) {
  reader.ReadField();
  state.JokesVersion = reader.ReadField();
  state.JokesCompatible = reader.ReadField();
}

// The text lines of a record up to its terminator; empty lines before the first
// non-empty one are dropped.
std::string ReadEntryText(TextReader& reader) {
  std::string text;
  for (;;) {
    std::string line = reader.ReadLine();
    if (line == "</joke>") return text;
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
  if (IsWord(kind, kRudeKind)) return &state.rude;
  if (IsWord(kind, kCleanKind)) return &state.clean;
  if (IsWord(kind, kMedicalKind)) return &state.medical;
  return nullptr;
}

}  // namespace

void ReadJokeHeader(SharedState& state, Services& services) {
  TextReader reader = OpenDatabase(services);
  ReadHeaderFields(reader, state);
}

void LoadJokeDatabase(SharedState& state, Services& services) {
  TextReader reader = OpenDatabase(services);
  ReadHeaderFields(reader, state);

  while (!reader.AtEnd()) {
    const FieldValue kind = reader.ReadField();
    FieldValue extra_seconds = reader.ReadField();
    reader.ReadField();
    std::string text = ReadEntryText(reader);
    if (EntryList* list = ListForKind(state, kind)) list->Add(std::move(text), std::move(extra_seconds));
  }

  state.rude.ShrinkToCount();
  state.clean.ShrinkToCount();
  state.medical.ShrinkToCount();
}
