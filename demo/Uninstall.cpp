// The demo package's uninstaller: a stand-in that removes nothing and says so.
#include <windows.h>

#include <cstring>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  char folder[MAX_PATH] = {};
  DWORD length = GetModuleFileNameA(nullptr, folder, MAX_PATH);
  if (length == 0 || length >= MAX_PATH) length = 0;
  folder[length] = '\0';
  if (char* slash = std::strrchr(folder, '\\')) slash[1] = '\0';

  char text[MAX_PATH + 256];
  wsprintfA(text,
            "The demo uninstaller removes nothing.\r\n\r\nTo remove the Nuvex Player, delete the folder\r\n%s\r\n"
            "and its Start-menu group \"Nuvex Player\".",
            folder);
  MessageBoxA(nullptr, text, "Uninstall - Nuvex Player", MB_OK | MB_ICONINFORMATION);
  return 0;
}
