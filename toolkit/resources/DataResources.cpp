#include "toolkit/resources/DataResources.h"

#include <map>

#include "base/Ascii.h"

namespace nuvex {

// The program's own data resources (defined per platform).
std::optional<std::span<const uint8_t>> FindPlatformDataResource(const std::string& name);

namespace {

std::map<std::string, std::span<const uint8_t>>& DataTable() {
  static std::map<std::string, std::span<const uint8_t>> table;
  return table;
}

}  // namespace

void RegisterDataResource(const std::string& name, std::span<const uint8_t> data) {
  DataTable()[UpperAscii(name)] = data;
}

void UnregisterDataResource(const std::string& name) { DataTable().erase(UpperAscii(name)); }

std::optional<std::span<const uint8_t>> FindDataResource(const std::string& name) {
  if (auto found = FindPlatformDataResource(name)) return found;
  const auto it = DataTable().find(UpperAscii(name));
  if (it == DataTable().end()) return std::nullopt;
  return it->second;
}

}  // namespace nuvex
