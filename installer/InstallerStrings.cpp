#include "installer/InstallerStrings.h"

namespace nuvex {

std::string DefaultInstallerString(int id) {
  switch (id) {
    case IDS_DIRECTX_WIN98_POLISH: return "DX80pol.exe";
    case IDS_DIRECTX_WIN2000_POLISH: return "DX80NTpol.exe";
    case IDS_DIRECTX_WIN98_ENGLISH:
    case IDS_DIRECTX_WIN2000_ENGLISH: return "DirectX8\\dxsetup.exe";
    default: return {};
  }
}

}  // namespace nuvex
