#pragma once
// Pieces shared by the benchmark programs.
#include <zlib.h>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include "controls/MyProgressBar.h"
#include "platform/Files.h"
#include "toolkit/ui/WinControl.h"
#include "toolkit/window/WindowBackend.h"

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

// A steady clock's reading in milliseconds, for timings that span calls.
inline double NowMs() {
  return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now().time_since_epoch()).count();
}

// Wall-clock seconds that f takes.
template <typename F>
double Seconds(F&& f) {
  const auto start = std::chrono::steady_clock::now();
  f();
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

// Text-like data for PackFile: words of a small vocabulary with some numbers;
// packs to roughly a quarter of its size.  Draws on the caller's generator, so
// that data made after it differs too.
class TextLike {
 public:
  explicit TextLike(std::mt19937& rng) : rng_(rng) {}
  void operator()(uint8_t* out, size_t n) {
    static const char* const words[] = {"player", "film",   "frame",  "audio",   "video", "codec", "subtitle", "stream",
                                        "buffer", "window", "skin",   "button",  "install", "folder", "the", "and"};
    for (size_t i = 0; i < n; ++i) {
      if (at_ == word_.size()) {
        word_ = words[rng_() % 16];
        if (rng_() % 8 == 0) word_ += std::to_string(rng_() % 1000);
        word_ += rng_() % 12 == 0 ? '\n' : ' ';
        at_ = 0;
      }
      out[i] = static_cast<uint8_t>(word_[at_++]);
    }
  }

 private:
  std::mt19937& rng_;
  std::string word_;
  size_t at_ = 0;
};

// The installer's look of its progress bar: red on navy, etched frame,
// yellow percentage text.
inline void GiveInstallerLook(TMyProgressBar& bar) {
  bar.SetColorDone(clRed);
  bar.SetColorToDo(clNavy);
  bar.SetShape(psFrame);
  bar.SetFont(TFont{"MS Sans Serif", 8, clYellow, 0});
}

// Which window backend the figures were taken on.
inline const char* BackendName() {
#ifdef _WIN32
  return "Win32 windows";
#else
  return "headless backend";
#endif
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

// A window of the installer's size (374 x 297) with its bar (225 x 18 at
// 80, 195, navy frame), on the platform's window backend, messages handled.
struct InstallerWindow {
  InstallerWindow() {
    form.SetBounds(100, 100, 374, 297);
    form.HandleNeeded();
    bar.SetParent(&form);
    bar.SetBounds(80, 195, 225, 18);
    GiveInstallerLook(bar);
    bar.SetColorFrame(clNavy);
    CurrentWindowBackend().ProcessMessages();
  }
  TWinControl form{nullptr};
  CountingBar& bar = TComponent::Create<CountingBar>(form);
};

}  // namespace nuvex::bench
