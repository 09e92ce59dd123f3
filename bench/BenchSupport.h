#pragma once
// Pieces shared by the benchmark programs.
#include <zlib.h>

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

#include "controls/MyProgressBar.h"
#include "platform/Files.h"

namespace nuvex::bench {

// Packs size bytes, produced piece by piece by fill(buffer, count), into path
// as one zlib stream.
template <typename Fill>
void PackFile(const std::string& path, uint64_t size, Fill&& fill) {
  FileStream out = FileStream::Create(path);
  z_stream z{};
  deflateInit(&z, 6);
  std::vector<uint8_t> in(1 << 16), packed(1 << 17);
  uint64_t made = 0;
  int flush = Z_NO_FLUSH;
  do {
    const size_t n = static_cast<size_t>(std::min<uint64_t>(in.size(), size - made));
    fill(in.data(), n);
    made += n;
    flush = made == size ? Z_FINISH : Z_NO_FLUSH;
    z.next_in = in.data();
    z.avail_in = static_cast<uInt>(n);
    do {
      z.next_out = packed.data();
      z.avail_out = static_cast<uInt>(packed.size());
      deflate(&z, flush);
      out.WriteBuffer(packed.data(), packed.size() - z.avail_out);
    } while (z.avail_out == 0);
  } while (flush != Z_FINISH);
  deflateEnd(&z);
}

// A progress bar that counts its paints.
class CountingBar : public TMyProgressBar {
 public:
  using TMyProgressBar::TMyProgressBar;
  long paints = 0;

 protected:
  void Paint() override {
    ++paints;
    TMyProgressBar::Paint();
  }
};

}  // namespace nuvex::bench
