// What a real progress bar adds to the extraction of a large packed file.
//
//   ProgressBarExtractionBench [MiB [folder]]   (default 256, the temporary folder)
//   under wine: scripts/wine-run.sh build/<win32 or win64 dir>/bench/ProgressBarExtractionBench.exe 256 'Z:\dev\shm'
//
// Packs MiB of data twice (text-like data, about 4:1; and data that hardly
// packs, about 1.04:1, so that the position stays below the maximum, which is
// the packed size, almost to the end), then unpacks each with TCompressor in
// five rounds, the order alternating: without callbacks, and with the
// installer window's callbacks
// driving a shown progress bar (OnStart sets Min and Max and shows the bar,
// OnProgress sets Position), on the platform's window backend (real Win32
// windows on Windows).  Prints the best time of each and their ratio, and,
// as the steadier figure on a busy machine, the time spent inside the bar's
// callbacks against the bare run, with how often the bar painted.  The machine is shared: run it more than once.

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <random>
#include <string>

#include "bench/BenchSupport.h"
#include "controls/MyProgressBar.h"
#include "package/Compressor.h"
#include "platform/Files.h"
#include "toolkit/window/WindowBackend.h"

using namespace nuvex;
namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

namespace {

using bench::CountingBar;

struct Result {
  double bare = 1e30;
  double withBar = 1e30;
  double inCallbacks = 1e30;  // time spent inside the bar's callbacks
  long paints = 0;
  long reports = 0;
};

void Bare(const std::string& packed, const std::string& target, Result& result) {
  TCompressor c;
  const auto start = Clock::now();
  if (!c.Decompress(packed, target)) std::printf("Decompress returned false!\n");
  result.bare = std::min(result.bare, std::chrono::duration<double>(Clock::now() - start).count());
}

Result Measure(const std::string& packed, const std::string& target, CountingBar& bar) {
  Result result;
  for (int round = 0; round < 5; ++round) {
    if (round % 2 == 0) Bare(packed, target, result);
    {
      TCompressor c;
      long reports = 0;
      Clock::duration inside{};
      c.OnStart = [&](void*, int32_t minimum, int32_t maximum) {
        const auto from = Clock::now();
        bar.SetMin(minimum);
        bar.SetMax(maximum);
        bar.Show();
        inside += Clock::now() - from;
      };
      c.OnProgress = [&](void*, int32_t position) {
        const auto from = Clock::now();
        ++reports;
        bar.SetPosition(position);
        inside += Clock::now() - from;
      };
      const long paints = bar.paints;
      const auto start = Clock::now();
      if (!c.Decompress(packed, target)) std::printf("Decompress returned false!\n");
      result.withBar = std::min(result.withBar, std::chrono::duration<double>(Clock::now() - start).count());
      result.inCallbacks = std::min(result.inCallbacks, std::chrono::duration<double>(inside).count());
      result.paints = bar.paints - paints;
      result.reports = reports;
      bar.Hide();
      CurrentWindowBackend().ProcessMessages();
    }
    if (round % 2 == 1) Bare(packed, target, result);
  }
  return result;
}

}  // namespace

int main(int argc, char** argv) {
  const uint64_t mib = argc > 1 ? std::strtoull(argv[1], nullptr, 10) : 256;
  if (mib == 0 || mib > 2047) {
    std::fprintf(stderr, "usage: ProgressBarExtractionBench [MiB 1..2047 [folder]]\n");
    return 2;
  }
  const uint64_t size = mib << 20;
  const fs::path base = argc > 2 ? fs::path(argv[2]) : fs::temp_directory_path();
  const fs::path dir = base / ("nuvex-bar-bench-" + std::to_string(Clock::now().time_since_epoch().count()));
  fs::create_directories(dir);
  const std::string text = (dir / "text.nvx").string(), noise = (dir / "noise.nvx").string();
  const std::string target = (dir / "out.bin").string();

  std::mt19937 rng(7);
  bench::PackFile(text, size, bench::TextLike(rng));
  bench::PackFile(noise, size, [&](uint8_t* out, size_t n) {
    for (size_t i = 0; i < n; ++i) out[i] = static_cast<uint8_t>(rng() % 200);
  });

  bench::InstallerWindow window;
  CountingBar& bar = window.bar;
  bar.SetPosition(50);
  bar.Hide();
  CurrentWindowBackend().ProcessMessages();

  std::printf("ProgressBarExtractionBench: %llu MiB unpacked per file, best of 5 alternating rounds, %s\n",
              static_cast<unsigned long long>(mib), bench::BackendName());
  for (const auto& [name, packed] : {std::pair{"text-like", text}, std::pair{"dense", noise}}) {
    const Result r = Measure(packed, target, bar);
    std::printf("  %-9s packed %9llu bytes: no callbacks %6.3f s, with the bar %6.3f s: %+6.2f %%\n",
                name, static_cast<unsigned long long>(fs::file_size(packed)), r.bare, r.withBar,
                (r.withBar / r.bare - 1) * 100);
    std::printf("  %-9s time inside the bar's callbacks %7.2f ms = %5.2f %% of the bare run"
                "  (%ld reports, %ld paints)\n",
                "", r.inCallbacks * 1000, r.inCallbacks / r.bare * 100, r.reports, r.paints);
  }
  std::error_code ignored;
  fs::remove_all(dir, ignored);
  return 0;
}
