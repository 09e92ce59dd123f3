// nvxskin: a checker for skin authors.
#include <exception>
#include <iostream>
#include <string>
#include <vector>

#include "tools/nvxskin/PngFile.h"
#include "tools/nvxskin/Sheet.h"
#include "tools/nvxskin/SheetFont.h"
#include "tools/nvxskin/SkinCheck.h"

namespace {

constexpr char kUsage[] =
    "usage: nvxskin check SKINFOLDER            report what the skin defines (exit code 0 when it has no errors)\n"
    "       nvxskin check --base                the same for the built-in base skin\n"
    "       nvxskin render [--zoom N] SKINFOLDER OUT.png   a sheet of every control in each state\n"
    "       nvxskin render [--zoom N] --base OUT.png\n"
    "SKINFOLDER is a sub-folder of a folder called Skins and holds Skin.nvs.\n";

int Usage() {
  std::cerr << kUsage;
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  std::vector<std::string> args(argv + 1, argv + argc);
  if (args.empty()) return Usage();
  const std::string command = args.front();
  args.erase(args.begin());
  nvxskin::SheetOptions options;
  if (command == "render" && args.size() >= 2 && args[0] == "--zoom") {
    try {
      options.zoom = std::stoi(args[1]);
    } catch (const std::exception&) {
      return Usage();
    }
    if (options.zoom < 1 || options.zoom > 16) return Usage();
    args.erase(args.begin(), args.begin() + 2);
  }
  const bool base = !args.empty() && args[0] == "--base";
  try {
    if (command == "check" && args.size() == 1) {
      const nvxskin::CheckReport report = base ? nvxskin::CheckBaseSkin() : nvxskin::CheckSkinFolder(args[0]);
      nvxskin::WriteReport(report, std::cout);
      return report.Complete() ? 0 : 1;
    }
    if (command == "render" && args.size() == 2) {
      const auto source = base ? nvxskin::BaseSkinSource() : nvxskin::SkinFileSource(args[0]);
      const nvxskin::ScopedSheetFont font;
      nvxskin::WritePngFile(args[1], nvxskin::PaintSheet(*source, options));
      return 0;
    }
  } catch (const nvxskin::UsageError& error) {
    std::cerr << "nvxskin: " << error.message << "\n";
    return 2;
  } catch (const std::exception& error) {
    std::cerr << "nvxskin: " << error.what() << "\n";
    return 2;
  }
  return Usage();
}
