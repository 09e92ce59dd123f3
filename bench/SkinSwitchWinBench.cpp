// A skin change of the whole player window under the real window system:
// the skin demo's window (25 controls: the form, 20 regioned controls, 4
// skin labels) switched between the base skin and Moss, the sample skin of
// tests/data/skins, back and forth; the median of many warm switches.  Next
// to it, in the same run, the time to read each skin: the reader made and
// LoadButton for every control (picture files included), and the parts of
// a switch one by one, and the form's window hidden and shown by the plain
// calls: under wine on an X server without a window manager a shown window
// is managed and hiding it waits for a manager that never answers, so run it
// with wine's X11 driver setting Managed=N as well to see the program's own
// part.  Windows only:
//   scripts/wine-run.sh build/win32/bench/SkinSwitchWinBench.exe [switches] [program folder]
// The program folder holds the Skins folder; the source tree's tests/data/skins by default.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "bench/BenchSupport.h"
#include "skin/SkinIniFile.h"
#include "skin/SkinResources.h"
#include "skindemo/PlayerWindow.h"
#include "toolkit/backends/win32/Win32Backend.h"
#include "toolkit/ui/Application.h"

using namespace nuvex;

namespace {

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

// Milliseconds that f takes, the median of `count` calls after two warm-up calls.
template <typename F>
double MedianMs(int count, F&& f) {
  f();
  f();
  std::vector<double> times;
  for (int i = 0; i < count; ++i) {
    const double start = bench::NowMs();
    f();
    times.push_back(bench::NowMs() - start);
  }
  return Median(times);
}

void Pump() {
  for (int i = 0; i < 5; ++i) {
    Application().ProcessMessages();
    Sleep(10);
  }
}

std::string WindowsPath(std::string path) {
  std::replace(path.begin(), path.end(), '/', '\\');
  if (!path.empty() && path.back() != '\\') path += '\\';
  return path;
}

}  // namespace

int main(int argc, char** argv) {
  const int switches = argc > 1 ? std::max(5, std::atoi(argv[1])) : 41;
  const std::string folder = WindowsPath(argc > 2 ? argv[2] : NUVEX_SAMPLE_SKINS_FOLDER);
  TPlayerWindow window(folder);
  TSkinManager& manager = window.SkinManager();
  const int moss = manager.Skins().IndexOf("Moss");
  if (moss < 0) {
    std::fprintf(stderr, "no skin called Moss in %sSkins\n", folder.c_str());
    return 1;
  }
  window.Form().Show();
  Pump();
  const HWND top = Win32WindowHandle(window.Form().Window());
  auto paintAll = [&] { RedrawWindow(top, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN); };

  // The names the manager asks the skins for, in its order.
  std::vector<std::string> names;
  for (int i = 0; i < manager.ControlCount(); ++i)
    if (auto* client = dynamic_cast<TSkinClient*>(manager.Controls(i))) names.push_back(client->ControlName());
  const std::string mossFile = manager.Skins().Items(moss)->FileName;

  // A switch: the manager's change alone, then the change with the paints it leaves.
  long wrong = 0;
  auto toMoss = [&] {
    manager.SetSkinIndex(moss);
    wrong += window.Form().Width() != 200;
  };
  auto toBase = [&] {
    manager.SelectBaseSkin();
    wrong += window.Form().Width() != 240;
  };
  std::vector<double> mossTimes, baseTimes, paintedTimes;
  for (int i = -2; i < switches; ++i) {
    double start = bench::NowMs();
    toMoss();
    const double m = bench::NowMs() - start;
    ValidateRect(top, nullptr);
    Pump();
    start = bench::NowMs();
    toBase();
    const double b = bench::NowMs() - start;
    Pump();
    if (i < 0) continue;  // warm-up
    mossTimes.push_back(m);
    baseTimes.push_back(b);
  }
  for (int i = -2; i < switches; ++i) {
    const double start = bench::NowMs();
    if (i % 2) toMoss(); else toBase();
    paintAll();
    if (i >= 0) paintedTimes.push_back(bench::NowMs() - start);
    Pump();
  }
  manager.SelectBaseSkin();
  Pump();
  // The part of a switch that is the window system's alone: the form's
  // window hidden and shown again by the plain calls, as passes 1 and 5 do.
  const double hideShow = MedianMs(switches, [&] {
    ShowWindow(top, SW_HIDE);
    ShowWindow(top, SW_SHOW);
  });
  Pump();

  // Reading each skin for every control, as a switch reads it.
  size_t complete = 0;
  const double readMossOnce = MedianMs(switches, [&] {
    TSkinIniFile skin(mossFile, folder);
    for (const std::string& name : names) complete += skin.LoadButton(name).Complete;
  });
  const double readMossEach = MedianMs(switches, [&] {
    for (const std::string& name : names) {
      TSkinIniFile skin(mossFile, folder);
      complete += skin.LoadButton(name).Complete;
    }
  });
  const double openMoss = MedianMs(switches, [&] { TSkinIniFile skin(mossFile, folder); });
  const double readBase = MedianMs(switches, [&] {
    for (const std::string& name : names) {
      TSkinResources base;
      complete += base.LoadButton(name).Complete;
    }
  });

  std::printf("skin change of the player window (%zu controls, %d switches each way, median)\n", names.size(),
              switches);
  std::printf("  base skin -> Moss                                  %8.2f ms\n", Median(mossTimes));
  std::printf("  Moss -> base skin                                  %8.2f ms\n", Median(baseTimes));
  std::printf("  a switch with the paints it leaves                 %8.2f ms\n", Median(paintedTimes));
  std::printf("  baseline: the form's window hidden and shown      %8.2f ms\n", hideShow);
  std::printf("  base skin -> Moss without that baseline            %8.2f ms\n", Median(mossTimes) - hideShow);
  std::printf("reading the skin for every control, in the same run\n");
  std::printf("  Moss: TSkinIniFile once + LoadButton x %zu         %8.2f ms\n", names.size(), readMossOnce);
  std::printf("  Moss: TSkinIniFile + LoadButton, each control      %8.2f ms\n", readMossEach);
  std::printf("  Moss: TSkinIniFile alone (the file read, SkinInfo) %8.2f ms\n", openMoss);
  std::printf("  base skin: TSkinResources + LoadButton, each       %8.2f ms\n", readBase);
  std::printf("  ratio switch to Moss / reading Moss once           %8.2f\n", Median(mossTimes) / readMossOnce);
  if (wrong) std::printf("  %ld switches did not reach the skin's size: figures not valid\n", wrong);
  return wrong != 0 || complete == 0;
}
