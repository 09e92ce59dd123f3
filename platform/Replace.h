#pragma once
// Putting a finished file in the place of another one, all or nothing.
#include <string>

namespace nuvex {

// Whether ReplaceTarget can later put a file in target's place: true when
// nothing is there yet, or when an existing file can be opened for writing
// as it is (it is opened without being truncated, and closed again).  False
// for a read-only file (on POSIX: without its owner's write permission), a
// folder, and a file another program holds open without sharing it.
bool CanReplaceTarget(const std::string& target);

// Moves `finished` over `target` in one step; both lie in the same folder.
// An existing target that is read-only (on POSIX: without its owner's write
// permission) or that is a folder is left as it is and the result is false,
// as it is when the move itself fails.  `finished` is not removed on failure.
bool ReplaceTarget(const std::string& finished, const std::string& target);

}  // namespace nuvex
