#include "toolkit/resources/DataResources.h"

#include "toolkit/resources/ResourceTable.h"

namespace nuvex {

// The program's own data resources (defined per platform).
std::optional<std::span<const uint8_t>> FindPlatformDataResource(const std::string& name);

void RegisterDataResource(const std::string& name, std::span<const uint8_t> data) {
  TResourceTable::Data().Register(name, data);
}

void UnregisterDataResource(const std::string& name) { TResourceTable::Data().Unregister(name); }

std::optional<std::span<const uint8_t>> FindDataResource(const std::string& name) {
  if (auto found = FindPlatformDataResource(name)) return found;
  return TResourceTable::Data().Find(name);
}

}  // namespace nuvex
