#include <windows.h>

#include "platform/Removal.h"

namespace nuvex {

bool RemoveFile(const std::string& path) { return DeleteFileA(path.c_str()) != 0; }

bool RemoveEmptyFolder(const std::string& path) { return RemoveDirectoryA(path.c_str()) != 0; }

bool RemoveAtRestart(const std::string& path) {
  return MoveFileExA(path.c_str(), nullptr, MOVEFILE_DELAY_UNTIL_REBOOT) != 0;
}

}  // namespace nuvex
