// The file layer on the real Win32 calls.
#include <windows.h>

#include <gtest/gtest.h>

#include "base/Error.h"
#include "platform/Files.h"
#include "tests/support/TestSupport.h"

namespace nuvex {
namespace {

TEST(FilesWin, ProgramFolderHoldsTheRunningProgram) {
  std::string folder = ProgramFolder();
  ASSERT_FALSE(folder.empty());
  EXPECT_EQ(folder.back(), '\\');
  EXPECT_TRUE(FileExists(folder + "win_tests.exe"));
}

TEST(FilesWin, ForceDirectoriesAcceptsBothSeparatorsAndTrailingOnes) {
  test::TempFolder tmp;
  EXPECT_TRUE(ForceDirectories(tmp.Path() + "a\\b/c\\"));
  EXPECT_TRUE(DirectoryExists(tmp.Path() + "a\\b\\c"));
}

}  // namespace
}  // namespace nuvex
