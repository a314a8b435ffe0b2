// The two readers of the joke database and the shared-state lists they fill.
#include "startup/joke_database.h"

#include "startup/text_reader.h"
#include "ui/failure.h"

namespace {

// The lists and count of one category, as the loader sees them.
struct Category {
  std::int16_t& count;
  std::vector<std::string>& texts;
  std::vector<FieldValue>& extra_seconds;

  void Add(std::string text, FieldValue extra) {
    const int slot = count + 1;
    if (slot >= static_cast<int>(texts.size()) || slot >= static_cast<int>(extra_seconds.size())) {
      Fail(failure_code::kSubscriptOutOfRange);
    }
    count = static_cast<std::int16_t>(slot);
    texts[slot] = std::move(text);
    extra_seconds[slot] = std::move(extra);
  }

  void ShrinkToCount() {
    texts.resize(count + 1);
    extra_seconds.resize(count + 1);
  }
};

// How much of the file the header reader takes first; it takes more only while the three
// fields may run on past what it has.
constexpr std::size_t kHeaderFirstRead = 4096;

std::string DatabasePath(Services& services) {
  return services.ProgramDirectory() + kJokeDatabaseFileName;
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

}  // namespace

void ReadJokeHeader(SharedState& state, Services& services) {
  const std::string path = DatabasePath(services);
  for (std::size_t wanted = kHeaderFirstRead;; wanted *= 16) {
    std::string start = services.ReadFileStart(path, wanted);
    const bool whole_file = start.size() < wanted;
    TextReader reader(std::move(start));
    if (whole_file) return ReadHeaderFields(reader, state);
    // Fields read from a part of the file are final only when the end of the third one
    // lies before the end of the part: up to there the part is the file.
    SharedState header;
    try {
      ReadHeaderFields(reader, header);
    } catch (const Failure&) {
      continue;
    }
    if (reader.AtEnd()) continue;
    state.JokesVersion = std::move(header.JokesVersion);
    state.JokesCompatible = std::move(header.JokesCompatible);
    return;
  }
}

void LoadJokeDatabase(SharedState& state, Services& services) {
  TextReader reader(services.ReadWholeFile(DatabasePath(services)));
  ReadHeaderFields(reader, state);

  Category clean{state.CleanJokeCount, state.CleanJokes, state.CleanJokeExtraSeconds};
  Category rude{state.RudeJokeCount, state.RudeJokes, state.RudeJokeExtraSeconds};
  Category medical{state.MedicalTermCount, state.MedicalTerms, state.MedicalTermExtraSeconds};

  while (!reader.AtEnd()) {
    const FieldValue kind = reader.ReadField();
    FieldValue extra_seconds = reader.ReadField();
    reader.ReadField();
    std::string text = ReadEntryText(reader);
    if (IsWord(kind, "rude")) {
      rude.Add(std::move(text), std::move(extra_seconds));
    } else if (IsWord(kind, "clean")) {
      clean.Add(std::move(text), std::move(extra_seconds));
    } else if (IsWord(kind, "medical")) {
      medical.Add(std::move(text), std::move(extra_seconds));
    }
  }

  rude.ShrinkToCount();
  clean.ShrinkToCount();
  medical.ShrinkToCount();
}
