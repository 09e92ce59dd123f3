#include "skin/BuiltInSkinPictures.h"

namespace nuvex {

// The pictures are bitmap resources of the program (resources/SkinPictures.rc).
void RegisterBuiltInSkinPictures() {}

}  // namespace nuvex
