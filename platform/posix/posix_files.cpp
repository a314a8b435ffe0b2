// POSIX file reading and replacement, with errno mapped to the program's failure codes.
#include "platform/posix/posix_files.h"

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "ui/failure.h"

namespace {

bool DirectoryExists(const std::string& path) {
  struct stat info {};
  return stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

std::string ParentOf(const std::string& path) {
  const std::size_t slash = path.rfind('/');
  if (slash == std::string::npos) return ".";
  return slash == 0 ? "/" : path.substr(0, slash);
}

[[noreturn]] void FailForErrno(int error, const std::string& path) {
  using namespace failure_code;
  switch (error) {
    case ENOENT:
      Fail(DirectoryExists(ParentOf(path)) ? kFileNotFound : kPathNotFound);
    case ENOTDIR: Fail(kPathNotFound);
    case ENAMETOOLONG:
    case EILSEQ: Fail(kBadFileName);
    case EACCES:
    case EPERM:
    case EROFS:
    case EISDIR: Fail(kPermissionDenied);  // Windows denies access to a folder opened as a file
    case ENOSPC:
    case EDQUOT: Fail(kDiskFull);
    default: Fail(kPathFileAccessError);
  }
}

void WriteAll(int descriptor, std::string_view bytes, const std::string& path) {
  while (!bytes.empty()) {
    const ssize_t written = write(descriptor, bytes.data(), bytes.size());
    if (written < 0) {
      if (errno == EINTR) continue;
      FailForErrno(errno, path);
    }
    bytes.remove_prefix(static_cast<std::size_t>(written));
  }
}

// A name the file system cannot take: empty, or cut short by a NUL byte.
void CheckName(const std::string& path) {
  if (path.empty() || path.find('\0') != std::string::npos) Fail(failure_code::kBadFileName);
}

}  // namespace

std::string ReadNativeFileStart(const std::string& native, std::size_t max_bytes) {
  CheckName(native);
  const int descriptor = open(native.c_str(), O_RDONLY);
  if (descriptor < 0) FailForErrno(errno, native);
  std::string bytes;
  char buffer[65536];
  while (bytes.size() < max_bytes) {
    const ssize_t got = read(descriptor, buffer, std::min(sizeof buffer, max_bytes - bytes.size()));
    if (got < 0) {
      if (errno == EINTR) continue;
      const int error = errno;
      close(descriptor);
      FailForErrno(error, native);
    }
    if (got == 0) break;
    bytes.append(buffer, static_cast<std::size_t>(got));
  }
  close(descriptor);
  return bytes;
}

// A file without any write permission is refused before anything is written, even where
// the system would let the new file take its place (a rename needs only the folder's
// permission, and root may write anything).
void ReplaceNativeFile(const std::string& native, std::string_view bytes) {
  CheckName(native);
  struct stat existing {};
  if (stat(native.c_str(), &existing) == 0 && (existing.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0) {
    Fail(failure_code::kPermissionDenied);
  }
  const std::string temporary = native + ".new";
  const int descriptor = open(temporary.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
  if (descriptor < 0) FailForErrno(errno, temporary);
  try {
    WriteAll(descriptor, bytes, temporary);
    if (fsync(descriptor) != 0) FailForErrno(errno, temporary);
  } catch (const Failure&) {
    close(descriptor);
    unlink(temporary.c_str());
    throw;
  }
  if (close(descriptor) != 0 || rename(temporary.c_str(), native.c_str()) != 0) {
    const int error = errno;
    unlink(temporary.c_str());
    FailForErrno(error, native);
  }
}
