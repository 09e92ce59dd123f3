#include <optional>
#include <span>
#include <string>

#include "base/Ascii.h"
#include "toolkit/resources/DataResources.h"

namespace nuvex {

// Generated from resources/forms and resources/pictures (resources/Resources.cmake).
std::span<const TEmbeddedData> ProgramDataResources();

std::optional<std::span<const uint8_t>> FindPlatformDataResource(const std::string& name) {
  for (const TEmbeddedData& entry : ProgramDataResources()) {
    if (SameTextAscii(entry.Name, name)) return entry.Data;
  }
  return std::nullopt;
}

}  // namespace nuvex
