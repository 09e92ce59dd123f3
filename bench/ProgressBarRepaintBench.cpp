// The progress bar's cost per position change.
//
//   ProgressBarRepaintBench [changes]   (default 20000)
//   under wine: scripts/wine-run.sh build/<win32 or win64 dir>/bench/ProgressBarRepaintBench.exe [changes]
//
// A window of the installer's size (374 x 297) with the installer's bar
// (225 x 18 at 80, 195; etched frame, red on navy, yellow percentage text),
// shown with the platform's window backend: real Win32 windows on Windows,
// the headless backend natively.  Measures, best of three rounds:
//   - a change that alters the picture: the position climbs 0..225 of 225
//     over and over, so the done edge moves one pixel each time and the
//     percentage changes at every second or third step, as in an extraction;
//     the bar composes itself and is drawn into the window at once;
//   - a change that leaves the picture as it is (what most 4096-byte
//     reports of a large file are): nothing is painted;
//   - the off-screen composition alone, with the text drawn every time
//     (PaintProgressPicture) and with the text layers kept (TProgressPainter,
//     what the bar uses).
#include <chrono>
#include <cstdio>
#include <cstdlib>

#include "bench/BenchSupport.h"
#include "controls/MyProgressBar.h"
#include "controls/ProgressPainter.h"
#include "controls/ProgressPicture.h"
#include "toolkit/window/WindowBackend.h"

using namespace nuvex;
using Clock = std::chrono::steady_clock;

namespace {

using bench::CountingBar;

template <typename F>
double BestMicroseconds(int changes, F&& change) {
  double best = 1e30;
  for (int round = 0; round < 3; ++round) {
    const auto start = Clock::now();
    for (int i = 0; i < changes; ++i) change(i);
    const double us = std::chrono::duration<double, std::micro>(Clock::now() - start).count() / changes;
    if (us < best) best = us;
  }
  return best;
}

}  // namespace

int main(int argc, char** argv) {
  const int changes = argc > 1 ? std::atoi(argv[1]) : 20000;
  if (changes <= 0) {
    std::fprintf(stderr, "usage: ProgressBarRepaintBench [changes]\n");
    return 2;
  }
  bench::InstallerWindow window;
  CountingBar& bar = window.bar;

  // One pixel of done width per unit: every change repaints.
  bar.SetMax(225);
  long before = bar.paints;
  const double changed = BestMicroseconds(changes, [&](int i) { bar.SetPosition(1 + i % 225); });
  const double changedPaints = static_cast<double>(bar.paints - before) / (3.0 * changes);

  // A range so large that a step of one changes no pixel.
  // (At 40 %: 90 pixels exactly, far from a rounding edge.)
  bar.SetMax(1000000000);
  bar.SetPosition(400000000);
  before = bar.paints;
  const double same = BestMicroseconds(changes, [&](int i) { bar.SetPosition(400000000 + (i & 1)); });
  const double samePaints = static_cast<double>(bar.paints - before) / (3.0 * changes);

  TProgressLook look;
  look.ColorDone = clRed;
  look.ColorToDo = clNavy;
  look.Shape = psFrame;
  look.Font = TFont{"MS Sans Serif", 8, clYellow, 0};
  TProgressRange range;
  range.SetMax(225);
  TBitmap offscreen;
  const double compose = BestMicroseconds(changes, [&](int i) {
    range.SetPosition(1 + i % 225);
    PaintProgressPicture(offscreen, 225, 18, look, range);
  });
  TProgressPainter painter;
  const double composeKept = BestMicroseconds(changes, [&](int i) {
    range.SetPosition(1 + i % 225);
    painter.Paint(offscreen, 225, 18, look, range);
  });

  std::printf("ProgressBarRepaintBench: %d changes per round, best of 3, %s\n", changes, bench::BackendName());
  std::printf("  change that moves the done edge  %9.2f us  (%.2f paints per change)\n", changed, changedPaints);
  std::printf("  change that leaves the picture   %9.3f us  (%.2f paints per change)\n", same, samePaints);
  std::printf("  composition alone, text each time %8.2f us\n", compose);
  std::printf("  composition alone, text kept      %8.2f us  (%.2f text layers drawn per paint)\n", composeKept,
              static_cast<double>(painter.LayersDrawn()) / (3.0 * changes));
  return 0;
}
