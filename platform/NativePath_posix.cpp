#include "platform/NativePath.h"

#include <dirent.h>
#include <sys/stat.h>

#include <cctype>
#include <cstdlib>
#include <memory>

#include "base/Ascii.h"

namespace nuvex {
namespace {

std::string& RootSetting() {
  static std::string root = [] {
    const char* env = std::getenv("NUVEX_DRIVE_ROOT");
    return std::string(env && *env ? env : "/tmp/nuvex-drives");
  }();
  return root;
}

bool Present(const std::string& native) {
  struct stat st {};
  return ::lstat(native.c_str(), &st) == 0;
}

struct DirCloser {
  void operator()(DIR* dir) const { ::closedir(dir); }
};

// The name of an entry of folder that equals name but for the case of ASCII
// letters, or name itself when there is none.  The first such entry wins, as
// two of them can only be made natively.
std::string EntryNamed(const std::string& folder, const std::string& name) {
  std::unique_ptr<DIR, DirCloser> dir(::opendir(folder.c_str()));
  if (!dir) return name;
  while (const dirent* entry = ::readdir(dir.get()))
    if (SameTextAscii(entry->d_name, name)) return entry->d_name;
  return name;
}

// Below a drive the names are matched the way Windows matches them, without
// regard to the case of ASCII letters: "D:\NUVEX\PLAYER.EXE" finds
// "<drive root>/D/Nuvex/Player.exe".  Each part is taken as it is when it
// exists, else as the entry whose name differs only in case, else as written
// (a name still to be created).
std::string MatchCase(const std::string& drive, const std::string& rest) {
  std::string out = drive;
  if (Present(out + rest)) return out + rest;
  size_t pos = 0;
  while (pos < rest.size()) {
    if (rest[pos] == '/') {
      out += '/';
      ++pos;
      continue;
    }
    size_t end = rest.find('/', pos);
    if (end == std::string::npos) end = rest.size();
    const std::string name = rest.substr(pos, end - pos);
    if (name == "." || name == ".." || Present(out + name)) {
      out += name;
    } else {
      out += EntryNamed(out, name);
    }
    pos = end;
  }
  return out;
}

}  // namespace

void SetDriveRoot(const std::string& folder) { RootSetting() = folder; }
std::string DriveRoot() { return RootSetting(); }

std::string NativePath(const std::string& path) {
  std::string rest;
  rest.reserve(path.size());
  const bool drive = path.size() >= 2 && path[1] == ':' && std::isalpha(static_cast<unsigned char>(path[0]));
  for (size_t i = drive ? 2 : 0; i < path.size(); ++i) rest += path[i] == '\\' ? '/' : path[i];
  if (!drive) return rest;
  std::string root = RootSetting() + "/" + AsciiUpper(path[0]);
  if (rest.empty()) return root + "/";
  if (rest[0] != '/') root += '/';
  return MatchCase(root, rest);
}

}  // namespace nuvex
