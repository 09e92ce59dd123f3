#include <windows.h>

#include "platform/DiskSpace.h"

namespace nuvex {
namespace {

class SystemDiskSpace final : public TDiskSpace {
 public:
  std::optional<uint64_t> FreeBytes(const std::string& root) override {
    ULARGE_INTEGER available{};
    if (!GetDiskFreeSpaceExA(root.c_str(), &available, nullptr, nullptr)) return std::nullopt;
    return available.QuadPart;
  }
};

}  // namespace

template <>
TDiskSpace& Service<TDiskSpace>::Platform() { return PlatformObject<SystemDiskSpace>(); }

}  // namespace nuvex
