// The DirectX installers' names are string resources of the program, and the
// built-in table holds the same names.
#include <windows.h>

#include <gtest/gtest.h>

#include "installer/InstallerStrings.h"
#include "tests/support/PinnedTexts.h"

namespace nuvex {
namespace {

TEST(InstallerStringsWin, TheDirectXNamesAreTheProgramsStringResources) {
  const std::pair<int, const char*> names[] = {{IDS_DIRECTX_WIN98_POLISH, test::kDirectXWin98Polish},
                                               {IDS_DIRECTX_WIN2000_POLISH, test::kDirectXWin2000Polish},
                                               {IDS_DIRECTX_WIN98_ENGLISH, test::kDirectXEnglish},
                                               {IDS_DIRECTX_WIN2000_ENGLISH, test::kDirectXEnglish}};
  for (const auto& [id, name] : names) {
    char buffer[MAX_PATH]{};
    const int length = LoadStringA(GetModuleHandleA(nullptr), static_cast<UINT>(id), buffer, sizeof buffer);
    ASSERT_GT(length, 0) << id;
    EXPECT_EQ(std::string(buffer, static_cast<size_t>(length)), name) << id;
    EXPECT_EQ(DefaultInstallerString(id), name) << id;
    EXPECT_EQ(InstallerString(id), name) << id;
  }
}

}  // namespace
}  // namespace nuvex
