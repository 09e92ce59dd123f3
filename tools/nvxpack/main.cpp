// nvxpack: builds, lists and verifies installation packages.
#include <exception>
#include <iostream>
#include <string>

#include "tools/nvxpack/Package.h"

namespace {

constexpr char kUsage[] =
    "usage: nvxpack build MANIFEST OUTDIR   make a package folder from a manifest\n"
    "       nvxpack list PACKAGEDIR         show the records of a package's index\n"
    "       nvxpack verify PACKAGEDIR       check a package folder (exit code 1 on any problem)\n";

void Print(const nvxpack::Diagnostics& d) {
  for (const auto& w : d.warnings) std::cerr << "nvxpack: warning: " << w << "\n";
  for (const auto& e : d.errors) std::cerr << "nvxpack: error: " << e << "\n";
}

}  // namespace

int main(int argc, char** argv) {
  const std::string command = argc > 1 ? argv[1] : "";
  const int operands = command == "build" ? 2 : 1;
  if ((command != "build" && command != "list" && command != "verify") || argc != 2 + operands) {
    std::cerr << kUsage;
    return 2;
  }
  nvxpack::Diagnostics diagnostics;
  bool ok = false;
  try {
    if (command == "build")
      ok = nvxpack::BuildPackage(argv[2], argv[3], diagnostics, std::cout);
    else if (command == "list")
      ok = nvxpack::ListPackage(argv[2], std::cout, diagnostics);
    else
      ok = nvxpack::VerifyPackage(argv[2], std::cout, diagnostics);
  } catch (const std::exception& e) {
    diagnostics.Error(e.what());
    ok = false;
  }
  Print(diagnostics);
  return ok && diagnostics.Ok() ? 0 : 1;
}
