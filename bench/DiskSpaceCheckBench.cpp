// What the free-space check adds to an installation of the demo package.
//
//   DiskSpaceCheckBench [FILM_MIB]   (default 160, the demo's film)
//
// Builds the demo package natively with nvxpack from demo/demo.nvm: its
// payload files, stand-ins of the demo's programs (the check reads sizes,
// never contents) and a film made as demo/make-sample-film.py makes it
// (blocks of noise and a run of one byte).  Then, in a sandbox of drives,
// times the check alone (best of 20) and the whole run, which includes it
// (best of 3), and prints both and their ratio.  Native build only: the
// sandbox of drives exists natively.
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <random>
#include <sstream>
#include <string>

#include "bench/BenchSupport.h"
#include "installer/DiskSpaceCheck.h"
#include "installer/SetupUnit.h"
#include "platform/Files.h"
#include "platform/NativePath.h"
#include "tools/nvxpack/Package.h"

using namespace nuvex;
namespace fs = std::filesystem;

namespace {

void Put(const fs::path& path, const std::string& bytes) {
  FileStream out = FileStream::Create(path.string());
  out.WriteBuffer(bytes.data(), bytes.size());
}

std::string Noise(size_t size, uint32_t seed) {
  std::mt19937 random(seed);
  std::string bytes(size, '\0');
  for (char& c : bytes) c = static_cast<char>(random());
  return bytes;
}

}  // namespace

int main(int argc, char** argv) {
  const size_t filmBlocks = (argc > 1 ? std::strtoul(argv[1], nullptr, 10) : 160) * 256;
  const fs::path dir = fs::temp_directory_path() / ("nuvex-space-bench-" + std::to_string(getpid()));
  const fs::path stage = dir / "stage", drives = dir / "drives";
  fs::create_directories(stage);
  fs::create_directories(drives / "C/WINDOWS/SYSTEM32");
  SetDriveRoot(drives.string());
  // The filter's record is registered with the system folder's RegSvr32,
  // which the native shell "starts" when the file is there.
  Put(drives / "C/WINDOWS/SYSTEM32/RegSvr32.exe", "");

  const fs::path source = NUVEX_SOURCE_DIR;
  fs::copy_file(source / "demo/demo.nvm", stage / "demo.nvm");
  for (const char* name : {"NuvexPlayer.chm", "ReadMe.txt"}) fs::copy_file(source / "demo/payload" / name, stage / name);
  Put(stage / "NuvexPlayer.exe", Noise(60000, 1) + std::string(40000, 'p'));
  Put(stage / "Uninstall.exe", Noise(150000, 2) + std::string(100000, 'u'));
  Put(stage / "NuvexFilter.ax", Noise(40000, 3) + std::string(20000, 'f'));
  {
    FileStream film = FileStream::Create((stage / "SampleFilm.bin").string());
    std::mt19937 random(4);
    std::string block(4096, '\0');
    for (size_t b = 0; b < filmBlocks; ++b) {
      for (size_t i = 0; i < 3584; ++i) block[i] = static_cast<char>(random());
      std::fill(block.begin() + 3584, block.end(), static_cast<char>(b & 0xFF));
      film.WriteBuffer(block.data(), block.size());
    }
  }
  const std::string package = (drives / "C/Package").string() + "/";
  nvxpack::Diagnostics diagnostics;
  std::ostringstream log;
  if (!nvxpack::BuildPackage((stage / "demo.nvm").string(), package, diagnostics, log)) {
    for (const std::string& e : diagnostics.errors) std::fprintf(stderr, "%s\n", e.c_str());
    return 1;
  }

  TRunInstall engine("C:\\Package\\");
  engine.DestinationFolder = "C:\\Program Files\\Nuvex Player 2.6 XP";
  engine.ReadConfiguration();
  double check = 1e30, install = 1e30;
  for (int round = 0; round < 20; ++round) check = std::min(check, bench::Seconds([&] { CheckDiskSpace(engine); }));
  for (int round = 0; round < 3; ++round) {
    fs::remove_all(drives / "C/Program Files");
    install = std::min(install, bench::Seconds([&] {
                         TRunInstall run("C:\\Package\\");
                         run.DestinationFolder = engine.DestinationFolder;
                         if (!run.RunInstall()) std::printf("RunInstall returned false!\n");
                       }));
  }
  std::printf("DiskSpaceCheckBench: the demo package, %d records, a film of %zu MiB\n", engine.Files.Count(),
              filmBlocks / 256);
  std::printf("  CheckDiskSpace (best of 20)              %10.3f ms\n", check * 1e3);
  std::printf("  RunInstall, the check included (best of 3) %8.1f ms\n", install * 1e3);
  std::printf("  check / install = %.6f\n", check / install);
  fs::remove_all(dir);
  return 0;
}
