#pragma once
// Reading a whole picture file into memory, refusing files above a limit.
#include <cstdint>
#include <string>
#include <vector>

namespace nuvex {

// The bytes of the file; FileOpenError when it cannot be opened.  A file
// larger than limit calls tooLarge (which raises the format's own error).
std::vector<uint8_t> ReadPictureFile(const std::string& path, uint64_t limit,
                                     void (*tooLarge)(const std::string& reason));

}  // namespace nuvex
