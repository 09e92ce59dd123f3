#include "skin/SkinStrings.h"

namespace nuvex {

std::string SkinString(int id) { return DefaultSkinString(id); }

}  // namespace nuvex
