#include <sys/statvfs.h>

#include "platform/DiskSpace.h"
#include "platform/NativePath.h"

namespace nuvex {
namespace {

class SandboxDiskSpace final : public TDiskSpace {
 public:
  std::optional<uint64_t> FreeBytes(const std::string& root) override {
    struct statvfs st {};
    if (::statvfs(NativePath(root).c_str(), &st) != 0) return std::nullopt;
    return static_cast<uint64_t>(st.f_bavail) * st.f_frsize;
  }
};

}  // namespace

template <>
TDiskSpace& Service<TDiskSpace>::Platform() { return PlatformObject<SandboxDiskSpace>(); }

}  // namespace nuvex
