#include "platform/file_io.h"

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace plumex {
namespace {

IoStatus Failure(const std::string& path, int err) {
  return {false, "\"" + path + "\": " + std::strerror(err)};
}

// Follows a symbolic link to the file it names, so that saving through a
// link rewrites the linked file instead of replacing the link.
std::string ResolveTarget(const std::string& path) {
  char resolved[PATH_MAX];
  struct stat st {};
  if (lstat(path.c_str(), &st) == 0 && S_ISLNK(st.st_mode) &&
      realpath(path.c_str(), resolved) != nullptr)
    return resolved;
  return path;
}

bool WriteAll(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    ssize_t n = ::write(fd, bytes.data(), bytes.size());
    if (n < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    bytes.remove_prefix(static_cast<std::size_t>(n));
  }
  return true;
}

IoStatus WriteInPlace(const std::string& path, const std::string& target, std::string_view bytes) {
  const int fd = ::open(target.c_str(), O_WRONLY | O_TRUNC | O_CLOEXEC);
  if (fd < 0) return Failure(path, errno);
  bool ok = WriteAll(fd, bytes) && fsync(fd) == 0;
  int err = errno;
  if (::close(fd) != 0 && ok) {
    ok = false;
    err = errno;
  }
  return ok ? IoStatus{true, {}} : Failure(path, err);
}

mode_t NewFileMode() {
  mode_t mask = umask(0);
  umask(mask);
  return 0666 & ~mask;
}

}  // namespace

ReadResult ReadFileBytes(const std::string& path, std::size_t limit) {
  ReadResult result;
  // Non-blocking open: a named pipe would otherwise wait for a writer
  // forever; regular files read the same either way.
  int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
  if (fd < 0) {
    result.status = Failure(path, errno);
    return result;
  }
  struct stat st {};
  if (fstat(fd, &st) != 0) {
    result.status = Failure(path, errno);
  } else if (S_ISDIR(st.st_mode)) {
    result.status = Failure(path, EISDIR);
  } else if (!S_ISREG(st.st_mode)) {
    result.status = {false, "\"" + path + "\": not a regular file"};
  } else if (static_cast<std::size_t>(st.st_size) > limit) {
    result.status = Failure(path, EFBIG);
  } else {
    result.bytes.reserve(static_cast<std::size_t>(st.st_size));
    char buffer[1 << 16];
    for (;;) {
      ssize_t n = ::read(fd, buffer, sizeof buffer);
      if (n < 0 && errno == EINTR) continue;
      if (n < 0) {
        result.status = Failure(path, errno);
        break;
      }
      if (n == 0) {
        result.status.ok = true;
        break;
      }
      if (result.bytes.size() + static_cast<std::size_t>(n) > limit) {
        result.status = Failure(path, EFBIG);
        break;
      }
      result.bytes.append(buffer, static_cast<std::size_t>(n));
    }
  }
  ::close(fd);
  if (!result.status.ok) result.bytes.clear();
  return result;
}

IoStatus WriteFileAtomically(const std::string& path, std::string_view bytes) {
  const std::string target = ResolveTarget(path);
  struct stat st {};
  const bool exists = stat(target.c_str(), &st) == 0;
  if (exists && S_ISDIR(st.st_mode)) return Failure(path, EISDIR);
  if (exists && access(target.c_str(), W_OK) != 0) return Failure(path, errno);

  // A short name, so that a target whose name is near the limit still has
  // room for its temporary beside it.
  const std::size_t slash = target.rfind('/');
  std::string temp =
      (slash == std::string::npos ? std::string() : target.substr(0, slash + 1)) + ".plumex-XXXXXX";
  int fd = mkstemp(temp.data());
  if (fd < 0) {
    // A folder we may not create files in can still hold a file we may
    // write: then it is written in place, the only way left to save it.
    if (exists && (errno == EACCES || errno == EPERM)) return WriteInPlace(path, target, bytes);
    return Failure(path, errno);
  }
  const mode_t mode = exists ? (st.st_mode & 07777) : NewFileMode();
  // Keep the owner of a file someone else owns, where we are allowed to.
  if (exists) (void)fchown(fd, st.st_uid, st.st_gid);
  bool ok = fchmod(fd, mode) == 0 && WriteAll(fd, bytes) && fsync(fd) == 0;
  int err = errno;
  if (::close(fd) != 0 && ok) {
    ok = false;
    err = errno;
  }
  if (ok && std::rename(temp.c_str(), target.c_str()) != 0) {
    ok = false;
    err = errno;
  }
  if (!ok) {
    ::unlink(temp.c_str());
    return Failure(path, err);
  }
  return {true, {}};
}

bool FileExists(const std::string& path) {
  struct stat st {};
  return stat(path.c_str(), &st) == 0 && !S_ISDIR(st.st_mode);
}

void ApplyReadOnlyAttribute(const std::string& path, bool readOnly) {
  struct stat st {};
  if (stat(path.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) return;
  const mode_t writable = S_IWUSR | S_IWGRP | S_IWOTH;
  if (readOnly && (st.st_mode & writable) != 0) {
    chmod(path.c_str(), st.st_mode & ~writable & 07777);
  } else if (!readOnly && (st.st_mode & S_IWUSR) == 0) {
    // Give back what the user's umask would have given a new file.
    chmod(path.c_str(), (st.st_mode | (NewFileMode() & writable)) & 07777);
  }
}

bool HasReadOnlyAttribute(const std::string& path) {
  struct stat st {};
  if (stat(path.c_str(), &st) != 0) return false;
  // No write bit for its owner, or a file this user may not write at all.
  return (st.st_mode & S_IWUSR) == 0 || access(path.c_str(), W_OK) != 0;
}

}  // namespace plumex
