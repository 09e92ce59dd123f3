#include "installer/InstallerStrings.h"

namespace nuvex {

std::string InstallerString(int id) { return DefaultInstallerString(id); }

}  // namespace nuvex
