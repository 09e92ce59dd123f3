// Installing many small plain files against cp.
//
//   InstallBench [files] [bytes]   (defaults 1999 files of 2000 bytes)
//
// Builds a package of plain files with its index, then, five rounds each and
// alternating, installs it with TRunInstall into a fresh destination folder
// and copies the same files with one `cp` into another.  Prints the best time
// of each and the ratio.  Native build only: the comparison is with cp.
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "bench/BenchSupport.h"
#include "installer/SetupUnit.h"
#include "package/FileConfiguration.h"
#include "package/PackageIndex.h"
#include "platform/Shell.h"

using namespace nuvex;
namespace fs = std::filesystem;

namespace {

void WriteFile(const fs::path& path, const std::string& bytes) {
  std::ofstream out(path, std::ios::binary);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

}  // namespace

int main(int argc, char** argv) {
  const int files = argc > 1 ? std::atoi(argv[1]) : 1999;
  const size_t bytes = argc > 2 ? std::strtoul(argv[2], nullptr, 10) : 2000;

  fs::path dir = fs::temp_directory_path() / ("nuvex-install-bench-" + std::to_string(getpid()));
  fs::path package = dir / "package", files_dir = package / "files";
  fs::create_directories(files_dir);

  // The package: the files in a subfolder, and an index naming them.
  std::string index = {'N', 'V', 'X', 1, 0};
  for (int i = 0; i < 4; ++i) index += static_cast<char>(static_cast<uint32_t>(files) >> (8 * i));
  for (int i = 0; i < files; ++i) {
    std::string name = "file" + std::to_string(i) + ".dat";
    WriteFile(files_dir / name, std::string(bytes, static_cast<char>('a' + i % 26)));
    TFileConfiguration r{};
    SetFieldText(r.SourceName, "files/" + name);
    r.FolderKind = fkDestination;
    SetFieldText(r.TargetName, "\\" + name);
    index.append(reinterpret_cast<const char*>(&r), sizeof r);
  }
  WriteFile(package / kPackageIndexName, index);

  double install = 1e30, copy = 1e30;
  for (int round = 0; round < 5; ++round) {
    fs::path dest = dir / "installed", copied = dir / "copied";
    fs::remove_all(dest);
    fs::remove_all(copied);
    install = std::min(install, bench::Seconds([&] {
                         TRunInstall engine(package.string() + "/");
                         engine.DestinationFolder = dest.string();
                         if (!engine.RunInstall()) std::printf("RunInstall returned false!\n");
                       }));
    copy = std::min(copy, bench::Seconds([&] {
                      std::string command = "mkdir -p '" + copied.string() + "' && cp '" + files_dir.string() +
                                            "'/* '" + copied.string() + "'";
                      if (std::system(command.c_str()) != 0) std::printf("cp failed!\n");
                    }));
  }
  std::printf("InstallBench: %d plain files of %zu bytes (best of 5)\n", files, bytes);
  std::printf("  TRunInstall::RunInstall  %8.1f ms\n", install * 1e3);
  std::printf("  one cp of the same files %8.1f ms\n", copy * 1e3);
  std::printf("  install / cp = %.2f\n", install / copy);
  fs::remove_all(dir);
  return 0;
}
