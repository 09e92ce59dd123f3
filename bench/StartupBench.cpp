// Start-up of Setup.exe: from CreateProcess to the first paint of the
// installer window on the screen, against the same for PlainWindow (one
// borderless window of the same size that paints one colour) in the same
// run.  Each program is copied into a temporary folder and started there
// (nothing lies beside it), the bench waits for its visible top-level window
// and then for a known pixel of its picture on the screen, posts WM_CLOSE
// and waits for the process to end.  The first start of each is reported
// apart (cold), the others as the warm median and minimum.  A third program,
// PlainWindow with the system DLLs Setup.exe imports loaded first, shows
// what those DLLs cost.  A second argument names another Setup.exe to time
// (a stripped one, say).  Windows only:
//   scripts/wine-run.sh build/win32/bench/StartupBench.exe [starts [Setup.exe]]
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "bench/BenchSupport.h"
#include "toolkit/resources/FormResources.h"

namespace {

using nuvex::bench::NowMs;

// A build path as Windows sees it: under wine a Unix path lies on drive Z:.
std::string WindowsPath(std::string path) {
  if (!path.empty() && path[0] == '/') path = "Z:" + path;
  std::replace(path.begin(), path.end(), '/', '\\');
  return path;
}

struct Program {
  const char* label;
  std::string source;     // where the build put it
  const char* windowClass;
  POINT probe;            // a point of the window, in window coordinates
  COLORREF colour;        // what the first paint puts there
  std::string copy;       // the copy in the temporary folder
  const char* arguments = "";
};

struct Start {
  double window = 0;  // ms from CreateProcess to the visible window
  double paint = 0;   // ms from CreateProcess to the probe pixel on the screen
  double close = 0;   // ms from WM_CLOSE to the end of the process
  bool ok = false;
};

struct Search {
  DWORD process;
  const char* windowClass;
  HWND found;
};

// A CALLBACK function: on i686 the system calls it with the stdcall convention.
BOOL CALLBACK MatchWindow(HWND hwnd, LPARAM param) {
  auto& s = *reinterpret_cast<Search*>(param);
  DWORD owner = 0;
  GetWindowThreadProcessId(hwnd, &owner);
  char name[64] = {};
  GetClassNameA(hwnd, name, sizeof name);
  if (owner == s.process && lstrcmpA(name, s.windowClass) == 0 && IsWindowVisible(hwnd)) {
    s.found = hwnd;
    return FALSE;
  }
  return TRUE;
}

HWND VisibleWindowOf(DWORD process, const char* windowClass) {
  Search search{process, windowClass, nullptr};
  EnumWindows(&MatchWindow, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

COLORREF ScreenPixel(int x, int y) {
  HDC screen = GetDC(nullptr);
  const COLORREF pixel = GetPixel(screen, x, y);
  ReleaseDC(nullptr, screen);
  return pixel;
}

Start StartOnce(const Program& program, const std::string& folder) {
  Start result;
  constexpr double kTimeout = 20000;
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  std::string commandLine = "\"" + program.copy + "\" " + program.arguments;
  const double begin = NowMs();
  if (!CreateProcessA(program.copy.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, folder.c_str(),
                      &startup, &process)) {
    std::fprintf(stderr, "cannot start %s (error %lu)\n", program.copy.c_str(), GetLastError());
    return result;
  }
  HWND hwnd = nullptr;
  while (!(hwnd = VisibleWindowOf(process.dwProcessId, program.windowClass)) && NowMs() - begin < kTimeout) Sleep(1);
  result.window = NowMs() - begin;
  if (hwnd) {
    RECT place{};
    while (NowMs() - begin < kTimeout) {
      GetWindowRect(hwnd, &place);
      if (ScreenPixel(place.left + program.probe.x, place.top + program.probe.y) == program.colour) {
        result.paint = NowMs() - begin;
        result.ok = true;
        break;
      }
      Sleep(1);
    }
    const double closing = NowMs();
    PostMessageA(hwnd, WM_CLOSE, 0, 0);
    if (WaitForSingleObject(process.hProcess, 20000) != WAIT_OBJECT_0) {
      TerminateProcess(process.hProcess, 1);
      WaitForSingleObject(process.hProcess, INFINITE);
      result.ok = false;
    }
    result.close = NowMs() - closing;
    // The next start must paint its own pixel, not find this one's left on the screen.
    const double gone = NowMs();
    while (ScreenPixel(place.left + program.probe.x, place.top + program.probe.y) == program.colour &&
           NowMs() - gone < 5000)
      Sleep(5);
  } else {
    TerminateProcess(process.hProcess, 1);
    WaitForSingleObject(process.hProcess, INFINITE);
  }
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  return result;
}

// A pixel of the installer's background that no text or button covers and
// that is far from black, white and the grey a window is cleared with, so
// that finding it means the picture was painted.
void ChooseProbe(Program& setup) {
  const nuvex::TBitmap picture = nuvex::LoadPictureResource("RunInstallBackground");
  const COLORREF avoid[] = {RGB(0, 0, 0), RGB(255, 255, 255), RGB(240, 240, 240), RGB(192, 192, 192),
                            GetSysColor(COLOR_BTNFACE), ScreenPixel(0, 0)};
  int best = -1;
  for (int y = 4; y < picture.Height() - 4; y += 2)
    for (int x = 4; x < 70; x += 2) {  // the margin left of every text and button
      const COLORREF c = nuvex::PixelToColor(picture.ScanLine(y)[x]);
      int nearest = 1 << 30;
      for (COLORREF a : avoid)
        nearest = std::min(nearest, std::abs(GetRValue(c) - GetRValue(a)) + std::abs(GetGValue(c) - GetGValue(a)) +
                                        std::abs(GetBValue(c) - GetBValue(a)));
      if (nearest > best) {
        best = nearest;
        setup.probe = {x, y};
        setup.colour = c;
      }
    }
}

double Median(std::vector<double> v) {
  if (v.empty()) return 0;
  std::sort(v.begin(), v.end());
  return v.size() % 2 ? v[v.size() / 2] : (v[v.size() / 2 - 1] + v[v.size() / 2]) / 2;
}

}  // namespace

int main(int argc, char** argv) {
  const int starts = argc > 1 ? std::max(2, std::atoi(argv[1])) : 11;
  Program setup{"Setup.exe", WindowsPath(argc > 2 ? argv[2] : NUVEX_SETUP_EXE), "NuvexWindow", {}, 0, {}};
  Program plain{"PlainWindow.exe", WindowsPath(NUVEX_PLAIN_WINDOW_EXE), "BenchPlainWindow", {187, 148},
                RGB(40, 120, 200), {}};
  Program plainDlls = plain;
  plainDlls.label = "PlainWindow+DLLs";
  plainDlls.arguments = "dlls";
  ChooseProbe(setup);

  char temp[MAX_PATH];
  GetTempPathA(MAX_PATH, temp);
  const std::string folder = std::string(temp) + "NuvexStartupBench" + std::to_string(GetCurrentProcessId());
  CreateDirectoryA(folder.c_str(), nullptr);
  for (Program* p : {&setup, &plain}) {
    p->copy = folder + "\\" + p->label;
    if (!CopyFileA(p->source.c_str(), p->copy.c_str(), FALSE)) {
      std::fprintf(stderr, "cannot copy %s (error %lu)\n", p->source.c_str(), GetLastError());
      return 1;
    }
  }
  plainDlls.copy = plain.copy;
  Program* const programs[] = {&setup, &plain, &plainDlls};
  std::printf("start to first paint, %d starts each, alternating; Setup.exe probe (%ld, %ld) = #%06lx\n", starts,
              setup.probe.x, setup.probe.y, static_cast<unsigned long>(setup.colour));

  std::vector<Start> runs[3];
  bool failed = false;
  for (int i = 0; i < starts; ++i)
    for (int k = 0; k < 3; ++k) {
      runs[k].push_back(StartOnce(*programs[k], folder));
      failed |= !runs[k].back().ok;
    }

  double warmPaint[3] = {};
  for (int k = 0; k < 3; ++k) {
    std::vector<double> window, paint, close;
    for (size_t i = 1; i < runs[k].size(); ++i) {
      window.push_back(runs[k][i].window);
      paint.push_back(runs[k][i].paint);
      close.push_back(runs[k][i].close);
    }
    warmPaint[k] = Median(paint);
    std::printf("%-16s cold: window %6.1f ms, first paint %6.1f ms | warm (median of %zu): window %6.1f ms, "
                "first paint %6.1f ms (min %6.1f) | close to exit %6.1f ms\n",
                programs[k]->label, runs[k][0].window, runs[k][0].paint, paint.size(), Median(window),
                warmPaint[k], *std::min_element(paint.begin(), paint.end()), Median(close));
  }
  std::printf("ratio Setup.exe / PlainWindow.exe, warm first paint: %.2f (cold %.2f); Setup.exe's own cost %.1f ms\n",
              warmPaint[0] / warmPaint[1], runs[0][0].paint / runs[1][0].paint, warmPaint[0] - warmPaint[1]);
  std::printf("of that, the system DLLs Setup.exe imports (PlainWindow+DLLs - PlainWindow, warm): %.1f ms\n",
              warmPaint[2] - warmPaint[1]);
  if (failed) std::printf("some starts did not show the probe pixel or did not end: figures incomplete\n");

  for (Program* p : {&setup, &plain}) DeleteFileA(p->copy.c_str());
  RemoveDirectoryA(folder.c_str());
  return failed ? 1 : 0;
}
