/* A component for the Windows tests: registering it with RegSvr32 writes
   "<its own path>.registered", so a test can see that the registration ran
   on exactly this file. */
#include <windows.h>

static HINSTANCE module_instance;

BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID reserved) {
  (void)reserved;
  if (reason == DLL_PROCESS_ATTACH) module_instance = instance;
  return TRUE;
}

__declspec(dllexport) HRESULT WINAPI DllRegisterServer(void) {
  char path[MAX_PATH + 16];
  DWORD n = GetModuleFileNameA(module_instance, path, MAX_PATH);
  if (n == 0 || n >= MAX_PATH) return E_FAIL;
  lstrcatA(path, ".registered");
  HANDLE h = CreateFileA(path, GENERIC_WRITE, 0, NULL, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, NULL);
  if (h == INVALID_HANDLE_VALUE) return E_FAIL;
  CloseHandle(h);
  return S_OK;
}

__declspec(dllexport) HRESULT WINAPI DllUnregisterServer(void) { return S_OK; }
