#include <optional>
#include <string>

#include "toolkit/formats/BitmapFile.h"
#include "toolkit/resources/ModuleResource.h"

namespace nuvex {

// The RT_BITMAP resources of the program's own module.
std::optional<TBitmap> LoadPlatformBitmapResource(const std::string& name) {
  const std::optional<std::span<const uint8_t>> data = FindModuleResource(name, 2 /* RT_BITMAP */);
  if (!data || data->empty()) return std::nullopt;
  return DecodePackedDib(*data);
}

}  // namespace nuvex
