#pragma once
// Bitmaps embedded in the program, found by name without regard to letter
// case.  On Windows the program's own RT_BITMAP resources are searched first;
// everywhere, a table of registered bitmaps (filled by the built-in pictures)
// is searched next.
#include <cstdint>
#include <optional>
#include <span>
#include <string>

#include "base/Error.h"
#include "toolkit/graphics/Bitmap.h"

namespace nuvex {

// "Resource <name> not found".
class ResourceNotFoundError : public Error {
 public:
  explicit ResourceNotFoundError(const std::string& name)
      : Error("Resource " + name + " not found") {}
};

// Registers an embedded bitmap: data is a whole bitmap file or a packed DIB
// and must stay valid for the program's lifetime (a static array).  A later
// registration under the same name replaces the earlier one.
void RegisterBitmapResource(const std::string& name, std::span<const uint8_t> data);
// Removes a registration (tests); unknown names are ignored.
void UnregisterBitmapResource(const std::string& name);

// Decodes the bitmap called name; ResourceNotFoundError when there is none,
// BitmapFormatError when its data is broken.
TBitmap LoadBitmapResource(const std::string& name);
// The same, with nothing when there is no bitmap of that name.
std::optional<TBitmap> FindBitmapResource(const std::string& name);

// Registers a bitmap at static initialisation:
//   static const BitmapResourceEntry kEntry("PlayerControl", kBytes);
struct BitmapResourceEntry {
  BitmapResourceEntry(const char* name, std::span<const uint8_t> data) {
    RegisterBitmapResource(name, data);
  }
};

}  // namespace nuvex
