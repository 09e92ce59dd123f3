#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdio>

#include "base/Error.h"
#include "platform/Files.h"
#include "platform/NativePath.h"

namespace nuvex {
namespace {

bool StatIs(const std::string& path, mode_t kind) {
  struct stat st {};
  return ::stat(NativePath(path).c_str(), &st) == 0 && (st.st_mode & S_IFMT) == kind;
}

int Fd(std::intptr_t handle) { return static_cast<int>(handle); }

}  // namespace

bool FileExists(const std::string& path) { return !path.empty() && StatIs(path, S_IFREG); }
bool DirectoryExists(const std::string& path) { return !path.empty() && StatIs(path, S_IFDIR); }

bool ForceDirectories(const std::string& path) {
  std::string native = NativePath(path);
  while (native.size() > 1 && native.back() == '/') native.pop_back();
  if (native.empty()) return false;
  for (size_t pos = 1; pos <= native.size(); ++pos) {
    if (pos == native.size() || native[pos] == '/') {
      std::string part = native.substr(0, pos);
      if (::mkdir(part.c_str(), 0777) != 0 && errno != EEXIST) return false;
    }
  }
  struct stat st {};
  return ::stat(native.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

// Natively a file without its owner's write permission stands for a
// read-only file; the bit is looked at directly because root may write anything.
static bool ReadOnly(const struct stat& st) { return S_ISREG(st.st_mode) && !(st.st_mode & S_IWUSR); }

bool CopyFileOver(const std::string& from, const std::string& to, const std::function<void()>& whileCopying) {
  int in = ::open(NativePath(from).c_str(), O_RDONLY | O_CLOEXEC);
  if (in < 0) return false;
  struct stat st {};
  if (::fstat(in, &st) != 0 || !S_ISREG(st.st_mode)) {
    ::close(in);
    return false;
  }
  // As on Windows, a read-only target is refused, and so is the source itself
  // (which opening it for writing would truncate).
  const std::string target = NativePath(to);
  struct stat existing {};
  if (::stat(target.c_str(), &existing) == 0 &&
      (ReadOnly(existing) || (existing.st_dev == st.st_dev && existing.st_ino == st.st_ino))) {
    ::close(in);
    return false;
  }
  int out = ::open(target.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
  if (out < 0) {
    ::close(in);
    return false;
  }
  bool ok = true;
  static thread_local char buffer[1 << 16];
  for (;;) {
    ssize_t got = ::read(in, buffer, sizeof buffer);
    if (got < 0 && errno == EINTR) continue;
    if (got <= 0) {
      ok = got == 0;
      break;
    }
    for (ssize_t done = 0; done < got;) {
      ssize_t put = ::write(out, buffer + done, static_cast<size_t>(got - done));
      if (put < 0 && errno == EINTR) continue;
      if (put <= 0) {
        ok = false;
        break;
      }
      done += put;
    }
    if (!ok) break;
    if (whileCopying) whileCopying();
  }
  struct stat copy {};
  if (ok && ReadOnly(st) && ::fstat(out, &copy) == 0 && S_ISREG(copy.st_mode))
    ::fchmod(out, copy.st_mode & 07555);  // the copy is read-only like its source
  ::close(in);
  if (::close(out) != 0) ok = false;
  return ok;
}

bool ClearReadOnly(const std::string& path) {
  const std::string native = NativePath(path);
  struct stat st {};
  if (::stat(native.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) return false;
  return ReadOnly(st) ? ::chmod(native.c_str(), (st.st_mode & 07777) | S_IWUSR) == 0 : true;
}

bool MoveFileOver(const std::string& from, const std::string& to) {
  return ::rename(NativePath(from).c_str(), NativePath(to).c_str()) == 0;
}

bool DeleteFileAt(const std::string& path) { return ::unlink(NativePath(path).c_str()) == 0; }

std::string ProgramFolder() {
  char buffer[PATH_MAX + 1];
  ssize_t n = ::readlink("/proc/self/exe", buffer, PATH_MAX);
  if (n <= 0) return "./";
  std::string exe(buffer, static_cast<size_t>(n));
  return exe.substr(0, exe.rfind('/') + 1);
}

std::string ProgramPath() {
  char buffer[PATH_MAX + 1];
  ssize_t n = ::readlink("/proc/self/exe", buffer, PATH_MAX);
  if (n <= 0) return {};
  return std::string(buffer, static_cast<size_t>(n));
}

FileStream FileStream::OpenRead(const std::string& path) {
  int fd = ::open(NativePath(path).c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) throw FileOpenError(path);
  struct stat st {};
  if (::fstat(fd, &st) != 0 || S_ISDIR(st.st_mode)) {
    ::close(fd);
    throw FileOpenError(path);
  }
  return FileStream(fd, path);
}

FileStream FileStream::Create(const std::string& path) {
  int fd = ::open(NativePath(path).c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
  if (fd < 0) throw FileCreateError(path);
  return FileStream(fd, path);
}

void FileStream::Close() {
  if (handle_ >= 0) ::close(Fd(handle_));
  handle_ = -1;
}

size_t FileStream::Read(void* buffer, size_t count) {
  size_t done = 0;
  while (done < count) {
    ssize_t got = ::read(Fd(handle_), static_cast<char*>(buffer) + done, count - done);
    if (got < 0 && errno == EINTR) continue;
    if (got <= 0) break;
    done += static_cast<size_t>(got);
  }
  return done;
}

size_t FileStream::Write(const void* buffer, size_t count) {
  size_t done = 0;
  while (done < count) {
    ssize_t put = ::write(Fd(handle_), static_cast<const char*>(buffer) + done, count - done);
    if (put < 0 && errno == EINTR) continue;
    if (put <= 0) break;
    done += static_cast<size_t>(put);
  }
  return done;
}

void FileStream::WriteBuffer(const void* buffer, size_t count) {
  if (Write(buffer, count) != count) throw StreamWriteError();
}

int64_t FileStream::Seek(int64_t position) {
  off_t at = ::lseek(Fd(handle_), static_cast<off_t>(position), SEEK_SET);
  return at < 0 ? -1 : static_cast<int64_t>(at);
}

int64_t FileStream::Size() const {
  struct stat st {};
  return ::fstat(Fd(handle_), &st) == 0 ? static_cast<int64_t>(st.st_size) : -1;
}

}  // namespace nuvex
