#include "tests/support/SandboxFiles.h"

#include <gtest/gtest.h>
#include <zlib.h>

#include <vector>

#include "base/Paths.h"
#include "platform/Files.h"
#include "tests/support/TestSupport.h"

#ifndef _WIN32
#include "platform/NativePath.h"
#endif

namespace nuvex::test {

#ifndef _WIN32
void PutFile(const std::string& path, std::string_view bytes) {
  ForceDirectories(path::FolderPart(path));
  WriteAll(NativePath(path), std::string(bytes));
}

std::string FileText(const std::string& path) {
  const std::vector<uint8_t> bytes = ReadAll(NativePath(path));
  return std::string(bytes.begin(), bytes.end());
}
#endif

std::string Packed(std::string_view bytes, int level) {
  uLongf size = compressBound(static_cast<uLong>(bytes.size()));
  std::string out(size, '\0');
  EXPECT_EQ(compress2(reinterpret_cast<Bytef*>(out.data()), &size, reinterpret_cast<const Bytef*>(bytes.data()),
                      static_cast<uLong>(bytes.size()), level),
            Z_OK);
  out.resize(size);
  return out;
}

std::string Unpackable(size_t size, uint32_t seed) {
  std::string text;
  for (uint32_t x = seed; text.size() < size;) {
    x = x * 1103515245u + 12345u;
    text += static_cast<char>(' ' + (x >> 16) % 90);
  }
  return text;
}

}  // namespace nuvex::test
