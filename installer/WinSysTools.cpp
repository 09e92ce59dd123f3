#include "installer/WinSysTools.h"

#include <array>
#include <cstring>

#include "installer/Shell.h"
#include "platform/Files.h"

namespace nuvex {
namespace {

constexpr uint32_t kFolderBufferSize = 520;

std::string AskFolder(FolderQuery query) {
  std::array<char, kFolderBufferSize> buffer{};
  uint32_t length = query ? query(buffer.data(), kFolderBufferSize) : 0;
  if (length == 0 || length > kFolderBufferSize) return std::string();
  return std::string(buffer.data(), strnlen(buffer.data(), buffer.size()));
}

}  // namespace

SystemFolderCalls& FolderCalls() {
  static SystemFolderCalls calls = PlatformFolderCalls();
  return calls;
}

std::string GetSystemDir() { return AskFolder(FolderCalls().systemDirectory); }
std::string GetWindowsDir() { return AskFolder(FolderCalls().windowsDirectory); }

std::string GetTempDir() {
  const std::string folder = "C:\\Temp\\";
  if (!DirectoryExists(folder)) ForceDirectories(folder);
  return folder;
}

bool ShellOpen(const std::string& path) { return ShellOpen(path, SystemShell()); }

bool ShellOpen(const std::string& path, Shell& shell) {
  return shell.Execute("open", path, std::string(), kShowNormal) > 32;
}

}  // namespace nuvex
