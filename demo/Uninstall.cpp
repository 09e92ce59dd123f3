// The demo package's uninstaller: a stand-in that removes nothing and says so.
#include <windows.h>

#include <string>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  char path[MAX_PATH] = {};
  DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
  std::string folder(path, length < MAX_PATH ? length : 0);
  folder = folder.substr(0, folder.find_last_of('\\') + 1);
  std::string text = "The demo uninstaller removes nothing.\r\n\r\nTo remove the Nuvex Player, delete the folder\r\n" +
                     folder + "\r\nand its Start-menu group \"Nuvex Player\".";
  MessageBoxA(nullptr, text.c_str(), "Uninstall - Nuvex Player", MB_OK | MB_ICONINFORMATION);
  return 0;
}
