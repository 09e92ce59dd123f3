// The package index under Windows: an index that another program holds open
// without sharing cannot be opened, and the reader says so.
#include <windows.h>

#include <gtest/gtest.h>

#include "base/Error.h"
#include "package/PackageIndex.h"
#include "platform/Files.h"
#include "platform/WinHandle.h"
#include "tests/support/IndexRecord.h"
#include "tests/support/TestSupport.h"

namespace nuvex {
namespace {

TEST(PackageIndexWin, IndexHeldOpenWithoutSharingRaisesCannotOpenFile) {
  test::TempFolder tmp;
  const std::string path = tmp / kPackageIndexName;
  test::WriteAll(path, test::IndexBytes(0, {}));
  TFileConfigurationList list;
  {
    TFileHandle lock(
        CreateFileA(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    ASSERT_TRUE(lock.Valid());
    TFileHandle probe(CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                  OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (probe.Valid()) GTEST_SKIP() << "this system does not enforce share modes";
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_SHARING_VIOLATION));

    ASSERT_TRUE(FileExists(path));  // the index is there, it just cannot be opened
    EXPECT_EQ(test::MessageOf<FileOpenError>([&] { ReadPackageIndex(tmp.Path(), list); }), "Cannot open file " + path);
  }
  // Released, the same index reads.
  EXPECT_TRUE(ReadPackageIndex(tmp.Path(), list));
  EXPECT_EQ(list.Count(), 0);
}

}  // namespace
}  // namespace nuvex
