#include "platform/UserRegistry.h"

namespace nuvex {
namespace {

class NoRegistry final : public UserRegistry {
 public:
  RegistryValue Read(const std::string&, const std::string&) override { return {}; }
};

}  // namespace

template <>
UserRegistry& Service<UserRegistry>::Platform() { return PlatformObject<NoRegistry>(); }

}  // namespace nuvex
