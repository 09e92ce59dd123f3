#include <optional>
#include <span>
#include <string>

#include "toolkit/resources/DataResources.h"
#include "toolkit/resources/ModuleResource.h"

namespace nuvex {

// The RCDATA resources of the program's own module.
std::optional<std::span<const uint8_t>> FindPlatformDataResource(const std::string& name) {
  return FindModuleResource(name, 10 /* RT_RCDATA */);
}

}  // namespace nuvex
