// Windows calls behind the process services, with Windows error codes mapped to the
// program's failure codes. Files are found and opened by their wide, long paths.
#include "platform/win32/win32_services.h"

#include <shellapi.h>

#include <cstdint>
#include <vector>

#include "platform/win32/win32_paths.h"
#include "platform/win32/win32_wide_text.h"
#include "ui/bounded_read.h"
#include "startup/own_file_names.h"
#include "ui/failure.h"
#include "ui/owned_handle.h"
#include "ui/temporary_name.h"

namespace {

constexpr const char* kInstanceMutexName = "Local\\ZorbelJokeScreensaverInstance";

[[noreturn]] void FailForError(DWORD error) {
  using namespace failure_code;
  switch (error) {
    case ERROR_FILE_NOT_FOUND: Fail(kFileNotFound);
    case ERROR_PATH_NOT_FOUND:
    case ERROR_INVALID_DRIVE:
    case ERROR_BAD_NETPATH: Fail(kPathNotFound);
    case ERROR_INVALID_NAME:
    case ERROR_BAD_PATHNAME:
    case ERROR_FILENAME_EXCED_RANGE: Fail(kBadFileName);
    case ERROR_ACCESS_DENIED:
    case ERROR_SHARING_VIOLATION:
    case ERROR_LOCK_VIOLATION:
    case ERROR_WRITE_PROTECT: Fail(kPermissionDenied);
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL: Fail(kDiskFull);
    default: Fail(kPathFileAccessError);
  }
}

UINT IconStyleOf(MessageBoxKind kind) {
  switch (kind) {
    case MessageBoxKind::kInformation: return MB_ICONINFORMATION;
    case MessageBoxKind::kExclamation: return MB_ICONEXCLAMATION;
    case MessageBoxKind::kStop: return MB_ICONSTOP;
    case MessageBoxKind::kPlain: break;
  }
  return 0;
}

struct FileHandleTraits {
  static HANDLE Invalid() { return INVALID_HANDLE_VALUE; }
  static bool Close(HANDLE handle) { return CloseHandle(handle) != 0; }
};
using FileHandle = OwnedHandle<HANDLE, FileHandleTraits>;

// The folder holding the program file, without a trailing separator.
std::string ProgramDirectory() {
  std::vector<wchar_t> buffer(MAX_PATH);
  for (;;) {
    const DWORD length = GetModuleFileNameW(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
    if (length < buffer.size()) {
      const std::string path = Utf8Of(std::wstring(buffer.data(), length));
      const std::size_t separator = path.find_last_of("\\/");
      return separator == std::string::npos ? std::string() : path.substr(0, separator);
    }
    buffer.resize(buffer.size() * 2);
  }
}

// How many names a new temporary file tries before the folder counts as unwritable: each
// taken name is someone else's file or folder, and is left alone.
constexpr int kTemporaryNameTries = 100;

// A new, empty file of the process's own beside `path`, opened for writing, its long wide
// name in `temporary`. CREATE_NEW makes a name that exists a reason to try another, never a
// file to write over.
FileHandle CreateTemporaryBeside(const std::string& path, std::wstring& temporary) {
  for (int attempt = 0; attempt < kTemporaryNameTries; ++attempt) {
    LARGE_INTEGER moment;
    QueryPerformanceCounter(&moment);
    const std::uint64_t seed = (static_cast<std::uint64_t>(GetCurrentProcessId()) << 40) ^
                               static_cast<std::uint64_t>(moment.QuadPart);
    temporary = FileSystemPath(TemporaryNameBeside(path, seed));
    const HANDLE created = CreateFileW(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                       FILE_ATTRIBUTE_NORMAL, nullptr);
    if (created != INVALID_HANDLE_VALUE) return FileHandle(created);
    const DWORD error = GetLastError();
    if (error != ERROR_FILE_EXISTS && error != ERROR_ALREADY_EXISTS) FailForError(error);
  }
  Fail(failure_code::kPermissionDenied);
}

}  // namespace

Win32Services::~Win32Services() {
  if (instance_mutex_ != nullptr) CloseHandle(instance_mutex_);
}

bool Win32Services::AcquireSingleInstance() {
  instance_mutex_ = CreateMutexA(nullptr, FALSE, kInstanceMutexName);
  return instance_mutex_ != nullptr && GetLastError() != ERROR_ALREADY_EXISTS;
}

void Win32Services::SetPointerHidden(bool hidden) {
  if (hidden == pointer_hidden_) return;
  pointer_hidden_ = hidden;
  ::ShowCursor(hidden ? FALSE : TRUE);
}

// A folder too long for the shell's current folder is left out: the address opens all the
// same.
void Win32Services::OpenAddress(const std::string& address) {
  const std::wstring directory = WideOf(ProgramDirectory());
  ShellExecuteW(nullptr, L"Open", WideOf(address).c_str(), L"",
                directory.size() < MAX_PATH - 1 ? directory.c_str() : nullptr, SW_SHOWNORMAL);
}

std::string Win32Services::OwnFilePlace(OwnFile file) {
  return ProgramDirectory() + "\\" + OwnFileName(file);
}

// Only a file on a disk has an end: a device (CON, a printer port) or a pipe is refused as a
// folder is, before anything is read from it.
std::string Win32Services::ReadFileBytes(const std::string& path, std::size_t max_bytes, ReadBound bound) {
  FileHandle file(CreateFileW(FileSystemPath(path).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                              OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file.valid()) FailForError(GetLastError());
  if (GetFileType(file.get()) != FILE_TYPE_DISK) Fail(failure_code::kPermissionDenied);
  LARGE_INTEGER size;
  if (!GetFileSizeEx(file.get(), &size)) FailForError(GetLastError());
  return ReadWithinBound(static_cast<std::uintmax_t>(size.QuadPart), max_bytes, bound,
                         [&](char* buffer, std::size_t wanted) {
                           DWORD got = 0;
                           if (!ReadFile(file.get(), buffer, static_cast<DWORD>(wanted), &got, nullptr)) {
                             FailForError(GetLastError());
                           }
                           return static_cast<std::size_t>(got);
                         });
}

// A read-only file is refused before anything is written: Windows would refuse to replace
// it, but other file systems (Wine's among them) let the new file take its place.
void Win32Services::ReplaceOwnFile(OwnFile file, std::string_view bytes) {
  const std::string place = OwnFilePlace(file);
  const std::wstring target = FileSystemPath(place);
  const DWORD attributes = GetFileAttributesW(target.c_str());
  if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY) != 0) {
    Fail(failure_code::kPermissionDenied);
  }
  std::wstring temporary;
  {
    FileHandle file = CreateTemporaryBeside(place, temporary);
    DWORD written = 0;
    const bool complete = WriteFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()),
                                    &written, nullptr) &&
                          written == bytes.size() && FlushFileBuffers(file.get());
    // Each error is taken before the next call: cleaning up sets errors of its own.
    const DWORD write_error = GetLastError();
    const bool closed = file.Close();
    const DWORD close_error = GetLastError();
    if (!complete || !closed) {
      DeleteFileW(temporary.c_str());
      FailForError(complete ? close_error : write_error);
    }
  }
  if (!MoveFileExW(temporary.c_str(), target.c_str(),
                   MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
    const DWORD error = GetLastError();
    DeleteFileW(temporary.c_str());
    FailForError(error);
  }
}

void Win32Services::ShowMessageBox(const std::string& title, const std::string& text, MessageBoxKind kind,
                                   std::function<void()> closed) {
  // Owned by the active window, so the box is modal over the window the user works in.
  MessageBoxW(GetActiveWindow(), WideOf(text).c_str(), WideOf(title).c_str(), IconStyleOf(kind) | MB_OK);
  if (closed) closed();
}

double Win32Services::TimeOfDaySeconds() {
  SYSTEMTIME now;
  GetLocalTime(&now);
  return now.wHour * 3600.0 + now.wMinute * 60.0 + now.wSecond + now.wMilliseconds / 1000.0;
}

void Win32Services::EndProgram(int status) { ExitProcess(static_cast<UINT>(status)); }
