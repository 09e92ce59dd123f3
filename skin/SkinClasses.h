#pragma once
// The skin engine's classes as a form description names them.
#include "toolkit/ui/FormReader.h"

namespace nuvex {

// Adds the skin engine's classes with their published properties: the
// regioned control and button, the regioned forms and their skin data, the
// skin manager and the skin label.
void AddSkinClasses(TClassRegistry& classes);

}  // namespace nuvex
