#include "toolkit/resources/FormResources.h"

#include <optional>

#include "toolkit/formats/BitmapFile.h"
#include "toolkit/formats/JpegFile.h"
#include "toolkit/resources/DataResources.h"

namespace nuvex {

std::string LoadFormResource(const std::string& name) {
  const std::optional<std::span<const uint8_t>> data = FindDataResource(name);
  if (!data) throw ResourceNotFoundError(name);
  return std::string(data->begin(), data->end());
}

TBitmap LoadPictureResource(const std::string& name) {
  if (std::optional<TBitmap> bitmap = FindBitmapResource(name)) return std::move(*bitmap);
  const std::optional<std::span<const uint8_t>> data = FindDataResource(name);
  if (!data) throw ResourceNotFoundError(name);
  // Decided by the bytes: forms and pictures share one kind of resource.
  const std::span<const uint8_t> bytes = *data;
  if (bytes.size() >= 3 && bytes[0] == 0xFF && bytes[1] == 0xD8 && bytes[2] == 0xFF) return DecodeJpeg(bytes);
  // A whole bitmap file (resources/pictures/*.bmp): kept as data like the
  // JPEGs, so that a new picture needs no line in a resource script.
  if (bytes.size() >= 2 && bytes[0] == 'B' && bytes[1] == 'M') return DecodeBitmapFile(bytes);
  throw Error("Resource " + name + " is not a picture");
}

}  // namespace nuvex
