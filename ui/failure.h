// Failures as values that travel: a code, its description in the words of the classic
// runtime, and the component that raised it. Readers throw them; start-up and the event
// dispatch catch them.
#pragma once

#include <string>

inline constexpr const char* kProgramName = "Zorbel";

namespace failure_code {
inline constexpr int kOutOfMemory = 7;
inline constexpr int kSubscriptOutOfRange = 9;
inline constexpr int kTypeMismatch = 13;
inline constexpr int kInternalError = 51;
inline constexpr int kBadFileName = 52;
inline constexpr int kFileNotFound = 53;
inline constexpr int kDiskFull = 61;
inline constexpr int kInputPastEndOfFile = 62;
inline constexpr int kPermissionDenied = 70;
inline constexpr int kPathFileAccessError = 75;
inline constexpr int kPathNotFound = 76;
inline constexpr int kCannotLoadObject = 361;
inline constexpr int kInvalidPropertyValue = 380;
}  // namespace failure_code

struct Failure {
  int code;
  std::string description;
  std::string source;
};

// The description for a code; codes outside the table get a generic one.
std::string FailureDescription(int code);

Failure MakeFailure(int code);

[[noreturn]] void Fail(int code);

// The box shown when a failure escapes a handler after start-up.
std::string RuntimeErrorText(const Failure& failure);
