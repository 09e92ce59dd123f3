// The pointer-over change of the installer's button under the real window
// system: the real TRunInstallForm (its description, pictures and texts),
// shown; its install button (226 x 39, three images from the picture
// "RunInstallButton") gets WM_MOUSEMOVE into its window (normal ->
// mouse-over: the new image rendered, the region built and given to
// SetWindowRgn, the window invalidated) and WM_MOUSELEAVE (back), each
// followed by painting whatever that made invalid in the whole window tree.
// The baseline in the same run is InvalidateRect + UpdateWindow of the same
// button window.  Then the parts one by one: PaintBitmap + GetNewRegion (the
// portable work, as HoverBench measures it natively), the GDI region and
// SetWindowRgn, and the paint.  Windows only:
//   scripts/wine-run.sh build/win32/bench/HoverWinBench.exe [changes]
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "bench/BenchSupport.h"
#include "installer/RunInstallWindow.h"
#include "skin/SkinTools.h"
#include "toolkit/backends/win32/Win32Backend.h"
#include "toolkit/graphics/GdiBridge.h"
#include "toolkit/ui/Application.h"

using namespace nuvex;

namespace {

// Microseconds per call of f, the median of a few rounds of `count` calls.
template <typename F>
double UsPer(int count, F&& f) {
  std::vector<double> rounds;
  for (int round = 0; round < 5; ++round) {
    const double start = bench::NowMs();
    for (int i = 0; i < count; ++i) f(i);
    rounds.push_back((bench::NowMs() - start) * 1000.0 / count);  // us
  }
  std::sort(rounds.begin(), rounds.end());
  return rounds[rounds.size() / 2];
}

void Pump() {
  for (int i = 0; i < 5; ++i) {
    Application().ProcessMessages();
    Sleep(10);
  }
}

}  // namespace

int main(int argc, char** argv) {
  const int changes = argc > 1 ? std::max(10, std::atoi(argv[1])) : 1000;
  char temp[MAX_PATH];
  GetTempPathA(MAX_PATH, temp);  // nothing of the installer lies there: no DirectX buttons
  TRunInstallForm form(nullptr, temp);
  form.Show();
  Pump();
  TRegionedButton& button = form.rbRunInstall();
  HWND hwnd = Win32WindowHandle(button.Window());
  HWND top = Win32WindowHandle(form.Window());
  // The real pointer rests on the button, so the window system's leave
  // tracking agrees with the messages sent.
  POINT at{50, 20};
  ClientToScreen(hwnd, &at);
  SetCursorPos(at.x, at.y);
  Pump();
  SendMessageA(hwnd, WM_MOUSELEAVE, 0, 0);
  Pump();
  if (button.State() != rbsNormal) {
    std::fprintf(stderr, "the button does not start in its normal state\n");
    return 1;
  }
  // Everything made invalid anywhere in the window is painted now.
  auto paintAll = [&] { RedrawWindow(top, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN); };

  long wrongState = 0;
  const int pairs = changes / 2;
  auto hoverPair = [&](int) {
    SendMessageA(hwnd, WM_MOUSEMOVE, 0, MAKELPARAM(50, 20));
    wrongState += button.State() != rbsMouseOver;
    paintAll();
    SendMessageA(hwnd, WM_MOUSELEAVE, 0, 0);
    wrongState += button.State() != rbsNormal;
    paintAll();
  };
  auto baselinePair = [&](int) {
    for (int k = 0; k < 2; ++k) {
      InvalidateRect(hwnd, nullptr, FALSE);
      UpdateWindow(hwnd);
    }
  };
  hoverPair(0);
  baselinePair(0);
  const double hover = UsPer(pairs, hoverPair) / 2;
  const double baseline = UsPer(pairs, baselinePair) / 2;
  // The change without its paint: state, image, region, SetWindowRgn,
  // invalidation; the invalid area is dropped unpainted, so that each
  // change starts, as above, from a window with nothing left to paint.
  const double changeOnly = UsPer(pairs, [&](int) {
                              SendMessageA(hwnd, WM_MOUSEMOVE, 0, MAKELPARAM(50, 20));
                              ValidateRect(hwnd, nullptr);
                              SendMessageA(hwnd, WM_MOUSELEAVE, 0, 0);
                              ValidateRect(hwnd, nullptr);
                            }) / 2;
  paintAll();
  Pump();

  // The parts, on the button's own strip and picture buffer sizes.
  const TBitmap& strip = *button.Buttons();
  TBitmap buffer;
  size_t rects = 0;
  const double render = UsPer(changes, [&](int i) {
    PaintBitmap(strip, buffer, 0, 0, 0, 0, 39, 226, spHorizontal, 2 + (i & 1), 3, iaStretched);
  });
  const double region = UsPer(changes, [&](int) { rects += GetNewRegion(&buffer)->RectCount(); });
  const TRegion shape = *GetNewRegion(&buffer);
  const double setRegion = UsPer(changes, [&](int) {
    gdi::UniqueRegion handle = gdi::CreateRegionHandle(shape);
    if (SetWindowRgn(hwnd, handle.Get(), TRUE)) handle.Release();
  });
  const double setRegionPaint = UsPer(changes, [&](int) {
    gdi::UniqueRegion handle = gdi::CreateRegionHandle(shape);
    if (SetWindowRgn(hwnd, handle.Get(), TRUE)) handle.Release();
    paintAll();
  });
  const double parentPaint = UsPer(changes, [&](int) {
    InvalidateRect(top, nullptr, FALSE);
    UpdateWindow(top);
  });
  // Where a change's paints land: a region change with redraw invalidates the
  // uncovered parent too.
  long paintsAfterRegion = 0;
  {
    gdi::UniqueRegion handle = gdi::CreateRegionHandle(shape);
    SetWindowRgn(hwnd, handle.Get(), TRUE);
    handle.Release();
    paintsAfterRegion = GetUpdateRect(top, nullptr, FALSE) ? 1 : 0;
    paintAll();
  }

  std::printf("pointer-over change of the install button (226 x 39, %d changes, %zu region rectangles)\n",
              changes, shape.RectCount());
  std::printf("  change + paint (WM_MOUSEMOVE / WM_MOUSELEAVE, then paint) %8.1f us\n", hover);
  std::printf("  baseline: InvalidateRect + UpdateWindow of the button     %8.1f us\n", baseline);
  std::printf("  ratio change / baseline                                   %8.2f\n", hover / baseline);
  std::printf("  parts: the change without its paint                       %8.1f us\n", changeOnly);
  std::printf("         PaintBitmap of one image                           %8.1f us\n", render);
  std::printf("         GetNewRegion                                       %8.1f us\n", region);
  std::printf("         region handle + SetWindowRgn (redraw)              %8.1f us\n", setRegion);
  std::printf("         the same + painting what it invalidated            %8.1f us\n", setRegionPaint);
  std::printf("         the whole installer window repainted               %8.1f us\n", parentPaint);
  std::printf("  SetWindowRgn left the installer window itself to repaint: %s\n", paintsAfterRegion ? "yes" : "no");
  if (wrongState) std::printf("  %ld changes did not reach the expected state: figures not valid\n", wrongState);
  return wrongState != 0 || rects == 0;
}
