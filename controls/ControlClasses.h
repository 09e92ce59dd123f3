#pragma once
// The progress bar's class as a form description names it.
#include "toolkit/ui/FormReader.h"

namespace nuvex {

// Adds TMyProgressBar with its published properties.
void AddControlClasses(TClassRegistry& classes);

}  // namespace nuvex
