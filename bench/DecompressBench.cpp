// Extraction throughput and memory.
//
//   DecompressBench [MiB]   (default 256)
//
// Makes a compressible file of the given size, packs it, then unpacks it
// three ways in the same run, each writing a file through the file layer:
// TCompressor::Decompress with both events set; a bare zlib inflate loop with
// the same 4096-byte requests and 65536-byte input blocks; and a bare loop
// with 256 KiB output buffers.  Best of three rounds, in MB/s (10^6 bytes of
// unpacked data per second) and as ratios; then the same ratios from the
// process's CPU time (user + system), which other load on the machine
// disturbs far less than the wall clock.  Then the peak memory of
// Decompress for 16 MiB and for the full size, each in a fresh process
// (ru_maxrss after the extraction minus before it).  Built for Windows too,
// so that the i686 and x86_64 programs are measured under wine; there the
// CPU time comes from GetProcessTimes and the memory figures are left out
// (they need getrusage and /proc).
#ifdef _WIN32
#include <windows.h>
#include <process.h>
#else
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#endif
#include <zlib.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <utility>
#include <filesystem>
#include <random>
#include <string>
#include <vector>

#include "bench/BenchSupport.h"
#include "package/Compressor.h"
#include "platform/Files.h"

using namespace nuvex;
namespace fs = std::filesystem;

namespace {

void MakePackedFile(const std::string& path, uint64_t size) {
  std::mt19937 rng(7);
  bench::PackFile(path, size, bench::TextLike(rng));
}

// The bare loop: inflate into `request`-byte pieces, write each.
uint64_t BareInflate(const std::string& from, const std::string& to, size_t request) {
  FileStream in = FileStream::OpenRead(from);
  FileStream out = FileStream::Create(to);
  std::vector<uint8_t> input(65536), output(request);
  z_stream z{};
  inflateInit(&z);
  uint64_t total = 0;
  int rc = Z_OK;
  while (rc != Z_STREAM_END) {
    if (z.avail_in == 0) {
      z.avail_in = static_cast<uInt>(in.Read(input.data(), input.size()));
      z.next_in = input.data();
      if (z.avail_in == 0) break;
    }
    z.next_out = output.data();
    z.avail_out = static_cast<uInt>(output.size());
    rc = inflate(&z, Z_NO_FLUSH);
    if (rc != Z_OK && rc != Z_STREAM_END) {
      std::fprintf(stderr, "inflate failed\n");
      std::exit(1);
    }
    size_t got = output.size() - z.avail_out;
    out.WriteBuffer(output.data(), got);
    total += got;
  }
  inflateEnd(&z);
  return total;
}

#ifdef _WIN32
// The C library's clock() counts wall time on Windows.
double CpuSeconds() {
  FILETIME created, exited, kernel, user;
  GetProcessTimes(GetCurrentProcess(), &created, &exited, &kernel, &user);
  auto seconds = [](const FILETIME& t) {
    return static_cast<double>((static_cast<uint64_t>(t.dwHighDateTime) << 32) | t.dwLowDateTime) / 1e7;
  };
  return seconds(kernel) + seconds(user);
}
int ProcessId() { return _getpid(); }
#else
double CpuSeconds() { return static_cast<double>(std::clock()) / CLOCKS_PER_SEC; }
int ProcessId() { return getpid(); }
#endif

// Wall-clock seconds of f, and its CPU seconds into cpu (the smaller kept).
template <typename F>
double Timed(double& cpu, F&& f) {
  const double start = CpuSeconds();
  const double wall = bench::Seconds(std::forward<F>(f));
  cpu = std::min(cpu, CpuSeconds() - start);
  return wall;
}

#ifndef _WIN32
long MaxRssKiB() {
  rusage u{};
  getrusage(RUSAGE_SELF, &u);
  return u.ru_maxrss;
}

// Child mode: one extraction, its peak memory growth on stdout.
int MemoryChild(const std::string& from, const std::string& to) {
  TCompressor c;
  int64_t last = 0;
  c.OnStart = [](void*, int32_t, int32_t) {};
  c.OnProgress = [&](void*, int32_t p) { last = p; };
  long before = MaxRssKiB();
  bool ok = c.Decompress(from, to);
  long after = MaxRssKiB();
  std::printf("%ld %ld %d\n", before, after, ok ? 1 : 0);
  return ok ? 0 : 1;
}

void MeasureMemory(const std::string& self, const std::string& packed, const std::string& target, uint64_t size) {
  std::string command = "'" + self + "' --memory '" + packed + "' '" + target + "'";
  FILE* p = popen(command.c_str(), "r");
  long before = 0, after = 0;
  int ok = 0;
  if (!p || std::fscanf(p, "%ld %ld %d", &before, &after, &ok) != 3) {
    std::printf("  memory run failed\n");
    if (p) pclose(p);
    return;
  }
  pclose(p);
  std::printf("  %4llu MiB: peak RSS %ld KiB before, %ld KiB after: growth %ld KiB (ok=%d)\n",
              static_cast<unsigned long long>(size >> 20), before, after, after - before, ok);
}
#endif

}  // namespace

int main(int argc, char** argv) {
#ifndef _WIN32
  if (argc == 4 && std::strcmp(argv[1], "--memory") == 0) return MemoryChild(argv[2], argv[3]);
#endif
  const uint64_t mib = argc > 1 ? std::strtoull(argv[1], nullptr, 10) : 256;
  const uint64_t size = mib << 20;

  fs::path dir = fs::temp_directory_path() / ("nuvex-bench-" + std::to_string(ProcessId()));
  fs::create_directories(dir);
  const std::string packed = (dir / "data.nvx").string(), target = (dir / "data.out").string();
  const std::string small = (dir / "small.nvx").string();

  MakePackedFile(packed, size);
  MakePackedFile(small, 16ull << 20);
  std::printf("DecompressBench: %llu MiB unpacked, %llu bytes packed (%.2f:1)\n",
              static_cast<unsigned long long>(mib), static_cast<unsigned long long>(fs::file_size(packed)),
              static_cast<double>(size) / static_cast<double>(fs::file_size(packed)));

  double best[3] = {1e30, 1e30, 1e30};
  double cpu[3] = {1e30, 1e30, 1e30};
  uint64_t progressCalls = 0;
  for (int round = 0; round < 3; ++round) {
    fs::remove(target);
    best[0] = std::min(best[0], Timed(cpu[0], [&] {
                         TCompressor c;
                         int32_t maximum = 0, position = 0;
                         c.OnStart = [&](void*, int32_t, int32_t max) { maximum = max; };
                         c.OnProgress = [&](void*, int32_t p) {
                           position = p;
                           ++progressCalls;
                         };
                         if (!c.Decompress(packed, target)) std::printf("Decompress returned false!\n");
                         (void)maximum;
                       }));
    fs::remove(target);
    best[1] = std::min(best[1], Timed(cpu[1], [&] { BareInflate(packed, target, 4096); }));
    fs::remove(target);
    best[2] = std::min(best[2], Timed(cpu[2], [&] { BareInflate(packed, target, 256 * 1024); }));
  }
  fs::remove(target);
  auto mbs = [&](double s) { return static_cast<double>(size) / 1e6 / s; };
  std::printf("Throughput (best of 3, unpacked MB/s):\n");
  std::printf("  Decompress, events set         %8.1f MB/s  (%llu progress calls per run)\n", mbs(best[0]),
              static_cast<unsigned long long>(progressCalls / 3));
  std::printf("  bare inflate, 4096-byte pieces %8.1f MB/s\n", mbs(best[1]));
  std::printf("  bare inflate, 256 KiB buffers  %8.1f MB/s\n", mbs(best[2]));
  std::printf("  Decompress / bare 4096   = %.3f\n", best[1] / best[0]);
  std::printf("  Decompress / bare 256KiB = %.3f\n", best[2] / best[0]);

  std::printf("CPU time (user + system, best of 3): Decompress %.3f s, bare 4096 %.3f s, bare 256 KiB %.3f s\n",
              cpu[0], cpu[1], cpu[2]);
  std::printf("  Decompress / bare 4096   = %.3f (CPU)\n", cpu[1] / cpu[0]);
  std::printf("  Decompress / bare 256KiB = %.3f (CPU)\n", cpu[2] / cpu[0]);

#ifdef _WIN32
  std::printf("Peak memory: measured by the native build only\n");
#else
  std::printf("Peak memory of one Decompress (fresh process each):\n");
  std::string self = fs::read_symlink("/proc/self/exe").string();
  MeasureMemory(self, small, target, 16ull << 20);
  MeasureMemory(self, packed, target, size);
#endif
  fs::remove_all(dir);
  return 0;
}
