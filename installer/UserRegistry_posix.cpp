#include "installer/UserRegistry.h"

namespace nuvex {
namespace {

class NoRegistry final : public UserRegistry {
 public:
  RegistryValue Read(const std::string&, const std::string&) override { return {}; }
};

}  // namespace

UserRegistry& SystemRegistry() {
  static NoRegistry registry;
  return registry;
}

}  // namespace nuvex
