// The uninstaller, Uninstall.exe: started from the Start-menu group, it asks
// whether the player is to go, hands the work to a copy of itself in the
// temporary folder (SelfRemoval.h), and that copy removes what the package
// placed and reports.
#include <windows.h>

#include <cstdlib>
#include <string>

#include "base/Error.h"
#include "installer/MessageIds.h"
#include "installer/Messages.h"
#include "installer/UninstallRun.h"
#include "platform/DllSearch.h"
#include "platform/Files.h"
#include "uninstaller/SelfRemoval.h"

namespace nuvex {
namespace {

constexpr const char* kProduct = "Nuvex Player";

int Box(const std::string& text, UINT style) {
  return MessageBoxA(nullptr, text.c_str(), GetMessageText(msg::kUninstallCaption).c_str(), style | MB_SETFOREGROUND);
}

// Reads the list of the uninstaller at programPath; false, and the user
// told, when there is none to trust.
bool ReadList(TUninstall& uninstall) {
  if (uninstall.ReadList()) return true;
  Box(FormatText(GetMessageText(msg::kUninstallListMissing), {uninstall.ListPath()}), MB_OK | MB_ICONERROR);
  return false;
}

int RemoveAndReport(TUninstall& uninstall, bool selfRunning) {
  const TUninstallReport report = uninstall.Run(selfRunning);
  const bool complete = report.Failed.empty();
  Box(UninstallSummary(report, kProduct), MB_OK | (complete ? MB_ICONINFORMATION : MB_ICONWARNING));
  return complete ? 0 : 1;
}

}  // namespace
}  // namespace nuvex

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  using namespace nuvex;
  // First of all: the copy runs from the temporary folder, where anyone may
  // have put a DLL of a system name.
  RestrictDllSearch();
  InitializeLanguage();
  if (const std::optional<TRemovalCopyOrder> order = RemovalCopyOrder(__argc, __argv)) {
    WaitForProgram(*order);
    TUninstall uninstall(order->ProgramPath);
    if (!ReadList(uninstall)) return 1;
    return RemoveAndReport(uninstall, false);
  }
  TUninstall uninstall(ProgramPath());
  if (!ReadList(uninstall)) return 1;
  if (Box(FormatText(GetMessageText(msg::kUninstallQuestion), {kProduct}), MB_YESNO | MB_ICONQUESTION) != IDYES) return 0;
  if (StartRemovalCopy(ProgramPath())) return 0;
  return RemoveAndReport(uninstall, true);
}
