#include <sys/stat.h>
#include <unistd.h>

#include "platform/NativePath.h"
#include "platform/Removal.h"

namespace nuvex {

bool RemoveFile(const std::string& path) {
  const std::string native = NativePath(path);
  struct stat st {};
  if (::lstat(native.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) return false;
  // The bit is looked at directly: root may unlink anything.
  if (!(st.st_mode & S_IWUSR)) return false;
  return ::unlink(native.c_str()) == 0;
}

bool RemoveEmptyFolder(const std::string& path) { return ::rmdir(NativePath(path).c_str()) == 0; }

bool RemoveAtRestart(const std::string&) { return false; }

}  // namespace nuvex
