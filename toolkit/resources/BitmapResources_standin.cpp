#include <optional>
#include <string>

#include "toolkit/graphics/Bitmap.h"

namespace nuvex {

// No resources in the program file here: the registered table is all there is.
std::optional<TBitmap> LoadPlatformBitmapResource(const std::string&) { return std::nullopt; }

}  // namespace nuvex
