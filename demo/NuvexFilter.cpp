// The demo package's filter component.  It offers the four entry points of a
// self-registering COM server.  It provides no class, so registering it
// records only where the component lies (DemoRegistration.h): enough for the
// demo to see that the installer had it registered.
#include <windows.h>

#include "DemoRegistration.h"

namespace {

HINSTANCE g_module = nullptr;

}  // namespace

extern "C" {

BOOL WINAPI DllMain(HINSTANCE module, DWORD reason, LPVOID) {
  if (reason == DLL_PROCESS_ATTACH) g_module = module;
  return TRUE;
}

HRESULT WINAPI DllRegisterServer() {
  char path[MAX_PATH];
  const DWORD length = GetModuleFileNameA(g_module, path, MAX_PATH);
  if (length == 0 || length >= MAX_PATH) return E_UNEXPECTED;
  HKEY key = nullptr;
  LONG status = RegCreateKeyExA(HKEY_LOCAL_MACHINE, demo::kComponentsKey, 0, nullptr, REG_OPTION_NON_VOLATILE,
                                KEY_SET_VALUE, nullptr, &key, nullptr);
  if (status != ERROR_SUCCESS) return HRESULT_FROM_WIN32(status);
  status = RegSetValueExA(key, demo::kFilterValue, 0, REG_SZ, reinterpret_cast<const BYTE*>(path), length + 1);
  RegCloseKey(key);
  return status == ERROR_SUCCESS ? S_OK : HRESULT_FROM_WIN32(status);
}

HRESULT WINAPI DllUnregisterServer() {
  HKEY key = nullptr;
  LONG status = RegOpenKeyExA(HKEY_LOCAL_MACHINE, demo::kComponentsKey, 0, KEY_SET_VALUE, &key);
  if (status == ERROR_FILE_NOT_FOUND) return S_OK;  // never registered: nothing to undo
  if (status != ERROR_SUCCESS) return HRESULT_FROM_WIN32(status);
  status = RegDeleteValueA(key, demo::kFilterValue);
  RegCloseKey(key);
  return status == ERROR_SUCCESS || status == ERROR_FILE_NOT_FOUND ? S_OK : HRESULT_FROM_WIN32(status);
}

HRESULT WINAPI DllGetClassObject(REFCLSID, REFIID, LPVOID* object) {
  if (object) *object = nullptr;
  return CLASS_E_CLASSNOTAVAILABLE;
}

HRESULT WINAPI DllCanUnloadNow() { return S_OK; }

}  // extern "C"
