#pragma once
// The three things nvxpack does with a package folder: build it from a
// manifest, list its index, verify it.  Messages go to the given streams;
// the results say whether everything was right.
#include <ostream>
#include <string>

#include "tools/nvxpack/Diagnostics.h"

namespace nvxpack {

// Builds a package folder from a manifest.  Everything is checked before the
// first file is written; "Setup.dat" is written last, so a package folder
// whose build failed holds no index.  Warnings are collected too.
bool BuildPackage(const std::string& manifestPath, const std::string& outputFolder, Diagnostics& diagnostics,
                  std::ostream& log);

// Prints the index of a package folder.  False when it cannot be read.
bool ListPackage(const std::string& packageFolder, std::ostream& out, Diagnostics& diagnostics);

// Checks a package folder: a complete index the installer accepts, every
// listed file present, every packed file a complete zlib stream that the
// installer's extraction accepts.  Problems go to diagnostics' errors.
bool VerifyPackage(const std::string& packageFolder, std::ostream& out, Diagnostics& diagnostics);

// folder with this platform's separator appended when it has none.
std::string WithSeparator(std::string folder);
// A "\"-separated package name as a path below folder on this platform.
std::string PathIn(const std::string& folder, const std::string& name);

}  // namespace nvxpack
