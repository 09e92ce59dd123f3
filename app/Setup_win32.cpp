// Start-up of the installer: the language first, then the application
// object with COM on this thread, the installer window as the main window,
// and the message loop until that window closes.
#include <windows.h>

#include <exception>

#include "installer/Messages.h"
#include "installer/RunInstallWindow.h"
#include "platform/DllSearch.h"
#include "toolkit/ui/Application.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  using namespace nuvex;
  // Before anything loads a DLL: the program runs with raised rights from a
  // folder that others may write.
  RestrictDllSearch();
  InitializeLanguage();
  TApplication& application = Application();
  application.Initialize();
  int exitCode = 0;
  try {
    TRunInstallForm& window = TComponent::Create<TRunInstallForm>(application);
    application.SetMainForm(&window);
    window.Show();
    application.Run();
  } catch (const std::exception& error) {
    // The window could not be made: say why, as any other error is reported.
    application.HandleException(error);
    exitCode = 1;
  }
  // The window goes before COM does: it may hold what COM made.
  while (application.ComponentCount() > 0) {
    application.RemoveComponent(application.Components(application.ComponentCount() - 1));
  }
  application.Finalize();
  return exitCode;
}
