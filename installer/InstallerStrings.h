#pragma once
// The installer window's texts that belong to the program's string table:
// the DirectX installers' file names.  On Windows they are read from the
// program's string resources, elsewhere (and should a resource be missing)
// from the table in InstallerStrings.cpp, which holds the same texts.
#include <string>

#include "installer/InstallerStringIds.h"

namespace nuvex {

// The text with this id from the built-in table; empty for an unknown id.
std::string DefaultInstallerString(int id);
// The text with this id as the program has it.
std::string InstallerString(int id);

}  // namespace nuvex
