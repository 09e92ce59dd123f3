#pragma once
// Where the demo filter records its registration: RegSvr32 calls its
// DllRegisterServer, which puts its own path here, and DllUnregisterServer
// takes it away.  The demo's read-back program reads it back.
namespace demo {

inline constexpr const char* kComponentsKey = "Software\\Nuvex Player\\Components";  // under HKEY_LOCAL_MACHINE
inline constexpr const char* kFilterValue = "NuvexFilter";

}  // namespace demo
