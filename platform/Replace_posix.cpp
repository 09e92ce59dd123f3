#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>

#include "platform/NativePath.h"
#include "platform/Replace.h"

namespace nuvex {
namespace {

// A folder, or a file without write permission, which stands for a read-only
// file; the owner bit is checked as well as access() because root may write
// anything.
bool RefusesReplacement(const std::string& native, const struct stat& st) {
  if (S_ISDIR(st.st_mode)) return true;
  return S_ISREG(st.st_mode) && (!(st.st_mode & S_IWUSR) || ::access(native.c_str(), W_OK) != 0);
}

}  // namespace

bool CanReplaceTarget(const std::string& target) {
  const std::string native = NativePath(target);
  struct stat st {};
  if (::lstat(native.c_str(), &st) != 0) return errno == ENOENT;
  if (RefusesReplacement(native, st)) return false;
  int fd = ::open(native.c_str(), O_WRONLY | O_NONBLOCK | O_CLOEXEC);  // no O_TRUNC: the file stays as it is
  if (fd < 0) return false;
  ::close(fd);
  return true;
}

bool ReplaceTarget(const std::string& finished, const std::string& target) {
  std::string to = NativePath(target);
  struct stat st {};
  if (::lstat(to.c_str(), &st) == 0 && RefusesReplacement(to, st)) return false;
  return ::rename(NativePath(finished).c_str(), to.c_str()) == 0;
}

}  // namespace nuvex
