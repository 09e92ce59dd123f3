#include <windows.h>

#include "platform/Replace.h"

namespace nuvex {

bool ReplaceTarget(const std::string& finished, const std::string& target) {
  DWORD attributes = GetFileAttributesA(target.c_str());
  if (attributes != INVALID_FILE_ATTRIBUTES &&
      (attributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_READONLY)))
    return false;
  // Same folder, so no copy is allowed: the move is a rename or nothing.
  return MoveFileExA(finished.c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING) != 0;
}

}  // namespace nuvex
