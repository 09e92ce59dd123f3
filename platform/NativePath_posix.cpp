#include "platform/NativePath.h"

#include "base/Ascii.h"

#include <cctype>
#include <cstdlib>

namespace nuvex {
namespace {

std::string& RootSetting() {
  static std::string root = [] {
    const char* env = std::getenv("NUVEX_DRIVE_ROOT");
    return std::string(env && *env ? env : "/tmp/nuvex-drives");
  }();
  return root;
}

}  // namespace

void SetDriveRoot(const std::string& folder) { RootSetting() = folder; }
std::string DriveRoot() { return RootSetting(); }

std::string NativePath(const std::string& path) {
  std::string out;
  size_t start = 0;
  if (path.size() >= 2 && path[1] == ':' && std::isalpha(static_cast<unsigned char>(path[0]))) {
    out = RootSetting() + "/" + AsciiUpper(path[0]);
    start = 2;
    if (path.size() == 2) return out + "/";
    if (path[2] != '\\' && path[2] != '/') out += '/';
  }
  for (size_t i = start; i < path.size(); ++i) out += path[i] == '\\' ? '/' : path[i];
  return out;
}

}  // namespace nuvex
