#include <cstring>

#include "platform/SystemFolders.h"

namespace nuvex {
namespace {

uint32_t Answer(const char* text, char* buffer, uint32_t size) {
  uint32_t length = static_cast<uint32_t>(std::strlen(text));
  if (length + 1 > size) return length + 1;
  std::memcpy(buffer, text, length + 1);
  return length;
}

class FixedFolders final : public TSystemFolders {
 public:
  uint32_t SystemDirectory(char* buffer, uint32_t size) override {
    return Answer("C:\\WINDOWS\\SYSTEM32", buffer, size);
  }
  uint32_t WindowsDirectory(char* buffer, uint32_t size) override { return Answer("C:\\WINDOWS", buffer, size); }
};

}  // namespace

template <>
TSystemFolders& Service<TSystemFolders>::Platform() { return PlatformObject<FixedFolders>(); }

}  // namespace nuvex
