#pragma once
// Removing files and folders the way the uninstaller needs it.
#include <string>

namespace nuvex {

// Deletes a file.  False when it cannot: a read-only file (natively: one
// without its owner's write permission, which Windows would call read-only),
// a file in use, a missing one.
bool RemoveFile(const std::string& path);
// Removes a folder that holds nothing.  False when it holds anything or
// cannot be removed.
bool RemoveEmptyFolder(const std::string& path);
// Has the system remove a file, or a folder that is empty by then, when the
// computer restarts (MoveFileEx with MOVEFILE_DELAY_UNTIL_REBOOT; it needs
// administrator rights).  Natively there is no restart: always false.
bool RemoveAtRestart(const std::string& path);

}  // namespace nuvex
