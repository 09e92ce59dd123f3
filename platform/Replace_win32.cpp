#include <windows.h>

#include "platform/Replace.h"

namespace nuvex {
namespace {

bool RefusesReplacement(DWORD attributes) {
  return attributes != INVALID_FILE_ATTRIBUTES &&
         (attributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_READONLY)) != 0;
}

}  // namespace

bool CanReplaceTarget(const std::string& target) {
  DWORD attributes = GetFileAttributesA(target.c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES) {
    DWORD error = GetLastError();
    return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND;
  }
  if (RefusesReplacement(attributes)) return false;
  // Write and delete access, sharing everything: this fails exactly when
  // another program holds the file without sharing writing or deleting, which
  // would make the final move fail.  OPEN_EXISTING leaves the contents alone.
  HANDLE h = CreateFileA(target.c_str(), GENERIC_WRITE | DELETE,
                         FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                         FILE_ATTRIBUTE_NORMAL, nullptr);
  if (h == INVALID_HANDLE_VALUE) return false;
  CloseHandle(h);
  return true;
}

bool ReplaceTarget(const std::string& finished, const std::string& target) {
  if (RefusesReplacement(GetFileAttributesA(target.c_str()))) return false;
  // Same folder, so no copy is allowed: the move is a rename or nothing.
  return MoveFileExA(finished.c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING) != 0;
}

}  // namespace nuvex
