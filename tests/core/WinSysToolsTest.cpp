// The system helpers: the 520-byte rule of the folder calls, the fixed
// temporary folder and the shell's "open" with its greater-than-32 rule.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>

#include "installer/WinSysTools.h"
#include "platform/Files.h"
#include "platform/NativePath.h"
#include "tests/support/InstallFakes.h"
#include "tests/support/TestSupport.h"

namespace nuvex {
namespace {

// What the fake platform call answers: the text it stores and the length it
// returns.  Captureless calls need somewhere to look.
std::string gFolderText;
uint32_t gFolderLength;

uint32_t FakeFolderCall(char* buffer, uint32_t size) {
  if (gFolderText.size() < size) std::memcpy(buffer, gFolderText.c_str(), gFolderText.size() + 1);
  return gFolderLength;
}

std::string AskBoth(const std::string& text, uint32_t length) {
  gFolderText = text;
  gFolderLength = length;
  test::FakeFolders folders(&FakeFolderCall, &FakeFolderCall);
  ScopedService<TSystemFolders> fake(folders);
  std::string system = GetSystemDir();
  EXPECT_EQ(GetWindowsDir(), system);
  return system;
}

TEST(WinSysTools, FolderCallsFollowThe520ByteRule) {
  EXPECT_EQ(AskBoth("C:\\WINDOWS\\SYSTEM", 17), "C:\\WINDOWS\\SYSTEM");
  EXPECT_EQ(AskBoth("", 0), "");                           // the call failed
  std::string fits(519, 'x');
  EXPECT_EQ(AskBoth(fits, 519), fits);                     // the longest text that fits
  EXPECT_EQ(AskBoth(std::string(520, 'x'), 521), "");      // too long: the size needed comes back
  EXPECT_EQ(AskBoth(std::string(700, 'y'), 701), "");
  EXPECT_EQ(AskBoth("C:\\W", 520), "C:\\W");               // 520 itself is not "too long"
}

TEST(WinSysTools, FolderCallsGetAZeroedBufferOf520Bytes) {
  static uint32_t seenSize;
  static bool zeroed;
  test::FakeFolders folders(
      [](char* buffer, uint32_t size) -> uint32_t {
        seenSize = size;
        zeroed = std::all_of(buffer, buffer + size, [](char c) { return c == 0; });
        return 3;  // claims a length but writes nothing
      },
      nullptr);
  ScopedService<TSystemFolders> probe(folders);
  EXPECT_EQ(GetSystemDir(), "");  // the text stops at the first zero
  EXPECT_EQ(seenSize, 520u);
  EXPECT_TRUE(zeroed);
  EXPECT_EQ(GetWindowsDir(), "");  // no call at all counts as a failure
}

#ifndef _WIN32
class ScopedDriveRoot {
 public:
  explicit ScopedDriveRoot(const std::string& root) : saved_(DriveRoot()) { SetDriveRoot(root); }
  ~ScopedDriveRoot() { SetDriveRoot(saved_); }

 private:
  std::string saved_;
};

TEST(WinSysTools, TempDirIsCreatedWhenMissingAndAlwaysReturned) {
  test::TempFolder drives;
  ScopedDriveRoot root(drives.Path());
  EXPECT_FALSE(DirectoryExists("C:\\Temp"));
  EXPECT_EQ(GetTempDir(), "C:\\Temp\\");
  EXPECT_TRUE(DirectoryExists("C:\\Temp"));
  EXPECT_EQ(GetTempDir(), "C:\\Temp\\");  // already there
}

TEST(WinSysTools, TempDirThatCannotBeCreatedIsStillReturned) {
  test::TempFolder drives;
  ScopedDriveRoot root(drives.Path());
  test::WriteAll(drives / "C", "a file where the drive's folder should be");
  EXPECT_EQ(GetTempDir(), "C:\\Temp\\");
  EXPECT_FALSE(DirectoryExists("C:\\Temp"));
}
#endif

TEST(WinSysTools, ShellOpenAsksForOpenShownNormallyAndComparesSigned) {
  test::RecordingShell shell;
  ScopedService<Shell> useShell(shell);
  EXPECT_TRUE(ShellOpen("D:\\Setup\\DirectX8\\dxsetup.exe"));
  ASSERT_EQ(shell.calls.size(), 1u);
  EXPECT_EQ(shell.calls[0], (test::ShellCall{"open", "D:\\Setup\\DirectX8\\dxsetup.exe", "", kShowNormal}));

  for (intptr_t value : {intptr_t{32}, intptr_t{0}, intptr_t{2}, intptr_t{-1}, intptr_t{-100}}) {
    shell.result = TShellResult::FromShellValue(value);
    EXPECT_FALSE(ShellOpen("x")) << value;
  }
  shell.result = TShellResult::FromShellValue(33);
  EXPECT_TRUE(ShellOpen("x"));
}

TEST(WinSysTools, PlatformShellOpensFoldersAndRefusesMissingFiles) {
  test::TempFolder tmp;
  EXPECT_FALSE(ShellOpen(tmp / "no such file.txt"));
#ifndef _WIN32
  // Natively nothing is started, so a folder can be tried safely.
  EXPECT_TRUE(ShellOpen(tmp.Path()));
#endif
}

}  // namespace
}  // namespace nuvex
