#include <dirent.h>
#include <sys/stat.h>

#include <algorithm>
#include <memory>
#include <string>

#include "platform/Drives.h"
#include "platform/NativePath.h"

namespace nuvex {

std::vector<char> LogicalDrives() {
  std::vector<char> drives;
  const std::string root = DriveRoot();
  std::unique_ptr<DIR, int (*)(DIR*)> dir(::opendir(root.c_str()), ::closedir);
  if (!dir) return drives;
  while (const dirent* entry = ::readdir(dir.get())) {
    const char letter = entry->d_name[0];
    if (letter < 'A' || letter > 'Z' || entry->d_name[1] != '\0') continue;
    struct stat st {};
    if (::stat((root + "/" + letter).c_str(), &st) == 0 && S_ISDIR(st.st_mode)) drives.push_back(letter);
  }
  std::sort(drives.begin(), drives.end());
  return drives;
}

std::string CurrentDirectory() { return "C:\\"; }

}  // namespace nuvex
