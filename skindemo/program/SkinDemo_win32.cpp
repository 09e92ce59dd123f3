// The skin demo: the player's window in the base skin, switched with keys
// among the skins of the Skins folder beside the program (skindemo/PlayerWindow.h),
// until Escape closes it.
#include <windows.h>

#include <exception>

#include "base/ScopeGuard.h"
#include "platform/DllSearch.h"
#include "skindemo/PlayerWindow.h"
#include "toolkit/ui/Application.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  using namespace nuvex;
  RestrictDllSearch();  // before anything loads a DLL
  TApplication& application = Application();
  application.Initialize();
  application.SetTitle("Nuvex Player");
  int exitCode = 0;
  try {
    // Made before the loop and gone before COM is: it may hold what COM made.
    TPlayerWindow window;
    application.SetMainForm(&window.Form());
    const ScopeExit forget([&] { application.SetMainForm(nullptr); });
    window.Form().Show();
    application.Run();
  } catch (const std::exception& error) {
    // The window could not be made: say why, as any other error is reported.
    application.HandleException(error);
    exitCode = 1;
  }
  application.Finalize();
  return exitCode;
}
