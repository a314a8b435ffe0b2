// The code table of failures and the text of the run-time error box.
#include "ui/failure.h"

std::string FailureDescription(int code) {
  using namespace failure_code;
  switch (code) {
    case kOutOfMemory: return "Out of memory";
    case kSubscriptOutOfRange: return "Subscript out of range";
    case kTypeMismatch: return "Type mismatch";
    case kInternalError: return "Internal error";
    case kBadFileName: return "Bad file name or number";
    case kFileNotFound: return "File not found";
    case kDiskFull: return "Disk full";
    case kInputPastEndOfFile: return "Input past end of file";
    case kPermissionDenied: return "Permission denied";
    case kPathFileAccessError: return "Path/File access error";
    case kPathNotFound: return "Path not found";
    case kCannotLoadObject: return "Can't load or unload this object";
    case kInvalidPropertyValue: return "Invalid property value";
    default: return "Application-defined or object-defined error";
  }
}

Failure MakeFailure(int code) { return Failure{code, FailureDescription(code), kProgramName}; }

void Fail(int code) { throw MakeFailure(code); }

std::string RuntimeErrorText(const Failure& failure) {
  return "Run-time error '" + std::to_string(failure.code) + "':\r\n\r\n" + failure.description;
}
