#pragma once
// The component model's own classes as a form description names them.
#include "toolkit/ui/FormReader.h"

namespace nuvex {

// Adds the toolkit's classes with their published properties: controls,
// windowed controls, labels, images, forms, the standard and file controls.
// Every TClassRegistry starts with them.
void AddToolkitClasses(TClassRegistry& classes);

}  // namespace nuvex
