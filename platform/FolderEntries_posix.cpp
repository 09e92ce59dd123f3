#include <dirent.h>
#include <sys/stat.h>

#include <algorithm>
#include <memory>

#include "platform/FolderEntries.h"
#include "base/Ascii.h"
#include "platform/NativePath.h"

namespace nuvex {
namespace {

// "*" any run, "?" one character; ASCII letters match either case.
bool Matches(const char* mask, const char* name) {
  if (*mask == '\0') return *name == '\0';
  if (*mask == '*') return Matches(mask + 1, name) || (*name != '\0' && Matches(mask, name + 1));
  if (*name == '\0') return false;
  return (*mask == '?' || AsciiUpper(*mask) == AsciiUpper(*name)) && Matches(mask + 1, name + 1);
}

struct DirCloser {
  void operator()(DIR* dir) const { ::closedir(dir); }
};

}  // namespace

std::vector<TFolderEntry> FindFolderEntries(const std::string& pattern) {
  std::vector<TFolderEntry> entries;
  const size_t cut = pattern.find_last_of("\\/");
  const std::string folder = cut == std::string::npos ? std::string(".") : pattern.substr(0, cut + 1);
  std::string mask = cut == std::string::npos ? pattern : pattern.substr(cut + 1);
  // Collapse runs of "*" so that matching stays linear in practice.
  mask.erase(std::unique(mask.begin(), mask.end(), [](char a, char b) { return a == '*' && b == '*'; }),
             mask.end());
  const bool all = mask == "*" || mask == "*.*";

  const std::string native = NativePath(folder);
  std::unique_ptr<DIR, DirCloser> dir(::opendir(native.c_str()));
  if (!dir) return entries;
  std::vector<TFolderEntry> named;
  bool dot = false, dotDot = false;
  while (const dirent* entry = ::readdir(dir.get())) {
    const std::string name = entry->d_name;
    if (name == ".") { dot = true; continue; }
    if (name == "..") { dotDot = true; continue; }
    if (!all && !Matches(mask.c_str(), name.c_str())) continue;
    struct stat st {};
    const std::string path = native + (native.empty() || native.back() == '/' ? "" : "/") + name;
    const bool isDir = ::stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
    named.push_back({name, isDir});
  }
  std::stable_sort(named.begin(), named.end(), [](const TFolderEntry& a, const TFolderEntry& b) {
    return UpperAscii(a.Name) < UpperAscii(b.Name);
  });
  if (dot && (all || Matches(mask.c_str(), "."))) entries.push_back({".", true});
  if (dotDot && (all || Matches(mask.c_str(), ".."))) entries.push_back({"..", true});
  entries.insert(entries.end(), named.begin(), named.end());
  return entries;
}

}  // namespace nuvex
