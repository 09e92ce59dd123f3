#include "toolkit/resources/BitmapResources.h"

#include <optional>

#include "toolkit/formats/BitmapFile.h"
#include "toolkit/resources/ResourceTable.h"

namespace nuvex {

// The program's own bitmap resources where the platform has them (defined
// per platform); nothing when the name is not among them.
std::optional<TBitmap> LoadPlatformBitmapResource(const std::string& name);

void RegisterBitmapResource(const std::string& name, std::span<const uint8_t> data) {
  TResourceTable::Bitmaps().Register(name, data);
}

void UnregisterBitmapResource(const std::string& name) { TResourceTable::Bitmaps().Unregister(name); }

TBitmap LoadBitmapResource(const std::string& name) {
  if (std::optional<TBitmap> found = FindBitmapResource(name)) return std::move(*found);
  throw ResourceNotFoundError(name);
}

std::optional<TBitmap> FindBitmapResource(const std::string& name) {
  if (std::optional<TBitmap> found = LoadPlatformBitmapResource(name)) return found;
  const std::optional<std::span<const uint8_t>> data = TResourceTable::Bitmaps().Find(name);
  if (!data) return std::nullopt;
  if (data->size() >= 2 && (*data)[0] == 'B' && (*data)[1] == 'M') return DecodeBitmapFile(*data);
  return DecodePackedDib(*data);
}

}  // namespace nuvex
