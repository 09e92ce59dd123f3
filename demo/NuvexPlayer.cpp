// The demo package's player: a stand-in that says what it is and ends.
#include <windows.h>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  MessageBoxA(nullptr,
              "Nuvex Player 2.6\r\n\r\nThis is the player of the demo installation package. "
              "It plays nothing; it shows that the installation placed it and its shortcut works.",
              "Nuvex Player", MB_OK | MB_ICONINFORMATION);
  return 0;
}
