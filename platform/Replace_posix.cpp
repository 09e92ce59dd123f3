#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>

#include "platform/NativePath.h"
#include "platform/Replace.h"

namespace nuvex {

bool ReplaceTarget(const std::string& finished, const std::string& target) {
  std::string to = NativePath(target);
  struct stat st {};
  if (::lstat(to.c_str(), &st) == 0) {
    if (S_ISDIR(st.st_mode)) return false;
    // A file without write permission stands for a read-only file; the owner
    // bit is checked as well as access() because root may write anything.
    if (S_ISREG(st.st_mode) && (!(st.st_mode & S_IWUSR) || ::access(to.c_str(), W_OK) != 0)) return false;
  }
  return ::rename(NativePath(finished).c_str(), to.c_str()) == 0;
}

}  // namespace nuvex
