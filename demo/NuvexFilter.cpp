// The demo package's filter component.  It offers the four entry points of a
// self-registering COM server; registering it succeeds and records nothing,
// since the demo filter provides no class.
#include <windows.h>

extern "C" {

BOOL WINAPI DllMain(HINSTANCE, DWORD, LPVOID) { return TRUE; }

HRESULT WINAPI DllRegisterServer() { return S_OK; }

HRESULT WINAPI DllUnregisterServer() { return S_OK; }

HRESULT WINAPI DllGetClassObject(REFCLSID, REFIID, LPVOID* object) {
  if (object) *object = nullptr;
  return CLASS_E_CLASSNOTAVAILABLE;
}

HRESULT WINAPI DllCanUnloadNow() { return S_OK; }

}  // extern "C"
