// POSIX file reading and replacement, with errno mapped to the program's failure codes.
#include "platform/posix/posix_files.h"

#include <cerrno>
#include <cstdint>
#include <ctime>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "ui/bounded_read.h"
#include "ui/failure.h"
#include "ui/owned_handle.h"
#include "ui/temporary_name.h"

namespace {

struct DescriptorTraits {
  static int Invalid() { return -1; }
  static bool Close(int descriptor) { return close(descriptor) == 0; }
};
using Descriptor = OwnedHandle<int, DescriptorTraits>;

// How many names a new temporary file tries before the folder counts as unwritable: each
// taken name is someone else's file, or a link planted there, and is left alone.
constexpr int kTemporaryNameTries = 100;

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

// A name for a temporary beside `path` that no earlier try used.
std::string TemporaryName(const std::string& path) {
  timespec now{};
  clock_gettime(CLOCK_REALTIME, &now);
  return TemporaryNameBeside(path, (static_cast<std::uint64_t>(getpid()) << 40) ^
                                       static_cast<std::uint64_t>(now.tv_nsec) ^
                                       (static_cast<std::uint64_t>(now.tv_sec) << 20));
}

// A new, empty file of the process's own beside `path`, opened for writing. O_EXCL makes a
// name that exists, a symbolic link included, a failure rather than a file to write through.
Descriptor CreateTemporaryBeside(const std::string& path, std::string& temporary) {
  for (unsigned attempt = 0; attempt < kTemporaryNameTries; ++attempt) {
    temporary = TemporaryName(path);
    const int descriptor = open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0644);
    if (descriptor >= 0) return Descriptor(descriptor);
    if (errno != EEXIST) FailForErrno(errno, temporary);
  }
  Fail(failure_code::kPermissionDenied);
}

// A name the file system cannot take: empty, or cut short by a NUL byte.
void CheckName(const std::string& path) {
  if (path.empty() || path.find('\0') != std::string::npos) Fail(failure_code::kBadFileName);
}

}  // namespace

// Opened without waiting, as a pipe without a writer would have the program wait for one;
// only then is it known to be a regular file, the one kind of file with an end.
std::string ReadNativeFile(const std::string& native, std::size_t max_bytes, ReadBound bound) {
  CheckName(native);
  const Descriptor file(open(native.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
  if (!file.valid()) FailForErrno(errno, native);
  struct stat info {};
  if (fstat(file.get(), &info) != 0) FailForErrno(errno, native);
  if (!S_ISREG(info.st_mode)) Fail(failure_code::kPermissionDenied);  // as a folder is refused
  return ReadWithinBound(static_cast<std::uintmax_t>(info.st_size), max_bytes, bound,
                         [&](char* buffer, std::size_t wanted) {
                           for (;;) {
                             const ssize_t got = read(file.get(), buffer, wanted);
                             if (got >= 0) return static_cast<std::size_t>(got);
                             if (errno != EINTR) FailForErrno(errno, native);
                           }
                         });
}

// A file without any write permission is refused before anything is written, even where
// the system would let the new file take its place (a rename needs only the folder's
// permission, and root may write anything). The new file keeps the old one's permissions,
// so a file only its owner may read stays so.
void ReplaceNativeFile(const std::string& native, std::string_view bytes) {
  CheckName(native);
  struct stat existing {};
  const bool exists = stat(native.c_str(), &existing) == 0;
  if (exists && (existing.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0) {
    Fail(failure_code::kPermissionDenied);
  }
  std::string temporary;
  Descriptor file = CreateTemporaryBeside(native, temporary);
  try {
    if (exists && fchmod(file.get(), existing.st_mode & 07777) != 0) FailForErrno(errno, temporary);
    WriteAll(file.get(), bytes, temporary);
    if (fsync(file.get()) != 0) FailForErrno(errno, temporary);
  } catch (...) {
    file.Close();
    unlink(temporary.c_str());
    throw;
  }
  if (!file.Close() || rename(temporary.c_str(), native.c_str()) != 0) {
    const int error = errno;
    unlink(temporary.c_str());
    FailForErrno(error, native);
  }
  // The new name lasts a power cut only once the folder is written out too.
  const Descriptor folder(open(ParentOf(native).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  if (folder.valid()) fsync(folder.get());
}

void MakeParentFolders(const std::string& native) {
  CheckName(native);
  for (std::size_t slash = native.find('/', 1); slash != std::string::npos; slash = native.find('/', slash + 1)) {
    const std::string folder = native.substr(0, slash);
    if (mkdir(folder.c_str(), 0700) != 0 && errno != EEXIST) FailForErrno(errno, folder);
  }
}
