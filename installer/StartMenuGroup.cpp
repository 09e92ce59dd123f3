#include "installer/StartMenuGroup.h"

#include "base/Paths.h"
#include "base/Service.h"
#include "platform/UserRegistry.h"

namespace nuvex {
namespace {

const char kShellFoldersKey[] = "\\Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";
const char kProgramsValue[] = "Programs";

}  // namespace

std::string StartMenuGroupFolder() {
  const std::string programs = ReadRegistryString(Service<UserRegistry>::Current(), kShellFoldersKey, kProgramsValue);
  if (programs.empty()) return {};
  return programs + (path::EndsWithSeparator(programs) ? "" : "\\") + kGroupName;
}

}  // namespace nuvex
