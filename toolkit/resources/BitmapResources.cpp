#include "toolkit/resources/BitmapResources.h"

#include <map>
#include <optional>

#include "base/Ascii.h"
#include "toolkit/formats/BitmapFile.h"

namespace nuvex {

// The program's own bitmap resources where the platform has them (defined
// per platform); nothing when the name is not among them.
std::optional<TBitmap> LoadPlatformBitmapResource(const std::string& name);

namespace {

std::map<std::string, std::span<const uint8_t>>& BitmapTable() {
  static std::map<std::string, std::span<const uint8_t>> table;
  return table;
}

}  // namespace

void RegisterBitmapResource(const std::string& name, std::span<const uint8_t> data) {
  BitmapTable()[UpperAscii(name)] = data;
}

void UnregisterBitmapResource(const std::string& name) { BitmapTable().erase(UpperAscii(name)); }

TBitmap LoadBitmapResource(const std::string& name) {
  if (std::optional<TBitmap> found = FindBitmapResource(name)) return std::move(*found);
  throw ResourceNotFoundError(name);
}

std::optional<TBitmap> FindBitmapResource(const std::string& name) {
  if (std::optional<TBitmap> found = LoadPlatformBitmapResource(name)) return found;
  const auto it = BitmapTable().find(UpperAscii(name));
  if (it == BitmapTable().end()) return std::nullopt;
  const std::span<const uint8_t> data = it->second;
  if (data.size() >= 2 && data[0] == 'B' && data[1] == 'M') return DecodeBitmapFile(data);
  return DecodePackedDib(data);
}

}  // namespace nuvex
