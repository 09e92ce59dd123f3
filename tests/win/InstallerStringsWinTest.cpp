// The DirectX installers' names are string resources of the program, the
// same texts as the built-in table.
#include <windows.h>

#include <gtest/gtest.h>

#include "installer/InstallerStrings.h"

namespace nuvex {
namespace {

TEST(InstallerStringsWin, TheDirectXNamesAreTheProgramsStringResources) {
  for (int id : {IDS_DIRECTX_WIN98_POLISH, IDS_DIRECTX_WIN2000_POLISH, IDS_DIRECTX_WIN98_ENGLISH,
                 IDS_DIRECTX_WIN2000_ENGLISH}) {
    char buffer[MAX_PATH]{};
    const int length = LoadStringA(GetModuleHandleA(nullptr), static_cast<UINT>(id), buffer, sizeof buffer);
    ASSERT_GT(length, 0) << id;
    EXPECT_EQ(std::string(buffer, static_cast<size_t>(length)), DefaultInstallerString(id)) << id;
    EXPECT_EQ(InstallerString(id), DefaultInstallerString(id));
  }
  EXPECT_EQ(InstallerString(IDS_DIRECTX_WIN98_POLISH), "DX80pol.exe");
  EXPECT_EQ(InstallerString(IDS_DIRECTX_WIN2000_ENGLISH), "DirectX8\\dxsetup.exe");
}

}  // namespace
}  // namespace nuvex
