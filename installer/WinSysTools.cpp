#include "installer/WinSysTools.h"

#include <array>
#include <cstring>

#include "package/FileConfiguration.h"
#include "platform/Files.h"
#include "platform/Shell.h"
#include "platform/SystemFolders.h"

namespace nuvex {
namespace {

constexpr uint32_t kFolderBufferSize = 520;
constexpr const char* kTempFolder = "C:\\Temp\\";

// Asks with a buffer of 520 bytes; a longer answer counts as a failure.
std::string AskFolder(uint32_t (TSystemFolders::*query)(char*, uint32_t)) {
  std::array<char, kFolderBufferSize> buffer{};
  uint32_t length = (Service<TSystemFolders>::Current().*query)(buffer.data(), kFolderBufferSize);
  if (length == 0 || length > kFolderBufferSize) return std::string();
  return std::string(buffer.data(), strnlen(buffer.data(), buffer.size()));
}

}  // namespace

std::string GetSystemDir() { return AskFolder(&TSystemFolders::SystemDirectory); }
std::string GetWindowsDir() { return AskFolder(&TSystemFolders::WindowsDirectory); }

std::string GetTempDir() {
  const std::string folder = kTempFolder;
  if (!DirectoryExists(folder)) ForceDirectories(folder);
  return folder;
}

std::string PlacedPath(uint8_t folderKind, const std::string& targetName, const std::string& destinationFolder) {
  switch (folderKind) {
    case fkDestination:
      return destinationFolder + targetName;
    case fkWindows:
      return GetWindowsDir() + targetName;
    case fkSystem:
      return GetSystemDir() + targetName;
    case fkSystem32: {
      // The folder beside the system folder: "C:\WINDOWS\SYSTEM" gives "C:\WINDOWS\System32".
      const std::string system = GetSystemDir();
      return system.substr(0, system.find_last_of('\\') + 1) + "System32" + targetName;
    }
    case fkTemp:
      return kTempFolder + targetName;
    default:
      return targetName;
  }
}

bool ShellOpen(const std::string& path) {
  return Service<Shell>::Current().Execute("open", path, std::string(), kShowNormal).Started();
}

}  // namespace nuvex
