#include "toolkit/formats/PictureFileBytes.h"

#include "platform/Files.h"

namespace nuvex {

std::vector<uint8_t> ReadPictureFile(const std::string& path, uint64_t limit,
                                     void (*tooLarge)(const std::string& reason)) {
  FileStream file = FileStream::OpenRead(path);
  const int64_t size = file.Size();
  if (size < 0 || static_cast<uint64_t>(size) > limit) {
    tooLarge("the file " + path + " is too large");
    return {};
  }
  std::vector<uint8_t> bytes(static_cast<size_t>(size));
  size_t got = 0;
  while (got < bytes.size()) {
    const size_t n = file.Read(bytes.data() + got, bytes.size() - got);
    if (n == 0) break;
    got += n;
  }
  bytes.resize(got);
  return bytes;
}

}  // namespace nuvex
