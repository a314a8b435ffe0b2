// The joke database beside the program: a three-field header, then records of clean
// jokes, rude jokes and medical-terminology entries, each ended by a "</joke>" line. The
// readers take the file's bytes through DecodeJokeFile, so every text they store is UTF-8.
#pragma once

#include <cstddef>
#include <string>

#include "startup/joke_database_listener.h"
#include "startup/own_file_names.h"
#include "startup/shared_state.h"
#include "ui/services.h"

// The largest joke database read: far beyond any collection of 1,500 entries, yet a file
// without end, or one made to exhaust memory, is refused as a file that cannot be read.
inline constexpr std::size_t kLargestJokeDatabase = std::size_t{256} << 20;

// The three kinds of record, as a record's first field names them.
inline constexpr const char* kCleanKind = "clean";
inline constexpr const char* kRudeKind = "rude";
inline constexpr const char* kMedicalKind = "medical";
// The line that ends a record.
inline constexpr const char* kRecordTerminator = "</joke>";

// The kind constant a record's kind field names exactly, or null for any other kind.
const char* RecordKindName(const FieldValue& kind);

// Reads the header only, into JokesVersion and JokesCompatible. Throws a Failure.
void ReadJokeHeader(SharedState& state, Services& services);

// Reads the whole file into the entry lists, which the caller has reset, and the header
// into JokesVersion and JokesCompatible; shrinks each list to slots 0 to its count.
// Throws a Failure: 62 for a cut file, 9 for a 501st entry of a category, 70 for a file
// larger than the largest database, or what the file system reported.
void LoadJokeDatabase(SharedState& state, Services& services);

// The same reading over a database's text as DecodeJokeFile gives it, for the checker:
// `state` is filled as above (reset it first) and `listener` hears every step, and where
// reading stopped on a failure.
void ReadJokeDatabase(std::string text, SharedState& state, JokeDatabaseListener& listener);
