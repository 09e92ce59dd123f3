#pragma once
// The skin engine's classes as a form description names them.
#include "toolkit/ui/FormReader.h"

namespace nuvex {

// Adds TRegionedCustomControl and TRegionedButton with their published properties.
void AddSkinClasses(TClassRegistry& classes);

}  // namespace nuvex
