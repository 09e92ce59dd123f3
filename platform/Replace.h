#pragma once
// Putting a finished file in the place of another one, all or nothing.
#include <string>

namespace nuvex {

// Moves `finished` over `target` in one step; both lie in the same folder.
// An existing target that is read-only (on POSIX: without its owner's write
// permission) or that is a folder is left as it is and the result is false,
// as it is when the move itself fails.  `finished` is not removed on failure.
bool ReplaceTarget(const std::string& finished, const std::string& target);

}  // namespace nuvex
