// The free-space check before a run: what each drive must take, and the
// refusal of a short drive before anything is written.
#include <gtest/gtest.h>

#include <map>

#include "installer/DiskSpaceCheck.h"
#include "installer/Messages.h"
#include "installer/SetupUnit.h"
#include "package/PackageIndex.h"
#include "platform/DiskSpace.h"
#include "platform/Files.h"
#include "platform/NativePath.h"
#include "tests/support/IndexRecord.h"
#include "tests/support/PinnedTexts.h"
#include "tests/support/SandboxFiles.h"
#include "tests/support/TestSupport.h"
#include "tools/nvxpack/IndexFile.h"

#ifndef _WIN32  // drive paths are mapped into the sandbox on POSIX builds only

namespace nuvex {
namespace {

using test::IndexRecord;
using test::PutFile;

constexpr const char* kPackage = "C:\\Package\\";

// Free space by drive root; a drive not listed cannot be told.
class FakeDiskSpace final : public TDiskSpace {
 public:
  std::map<std::string, uint64_t> free;
  std::optional<uint64_t> FreeBytes(const std::string& root) override {
    const auto it = free.find(root);
    return it == free.end() ? std::nullopt : std::optional<uint64_t>(it->second);
  }
};

class DiskSpaceCheckTest : public ::testing::Test {
 protected:
  DiskSpaceCheckTest() : savedRoot_(DriveRoot()) {
    SetDriveRoot(drives_.Path());
    engine.DestinationFolder = "D:\\Dest";
  }
  ~DiskSpaceCheckTest() override {
    SetCurrentLanguage(kEnglishLanguage);
    SetDriveRoot(savedRoot_);
  }

  // A package file of `size` bytes.
  void Source(const std::string& name, size_t size) { PutFile(kPackage + name, std::string(size, 'x')); }
  static TFileConfiguration WithSize(TFileConfiguration record, uint64_t size) {
    SetRecordChecksum(record, {0x1234, size});
    return record;
  }
  void WriteIndex(const std::vector<TFileConfiguration>& records) {
    ForceDirectories(kPackage);
    nvxpack::WriteIndexFile(kPackage + std::string(kPackageIndexName), records);
    ASSERT_TRUE(engine.ReadConfiguration());
  }

  test::TempFolder drives_;
  std::string savedRoot_;
  TRunInstall engine{kPackage};
  FakeDiskSpace space;
  ScopedService<TDiskSpace> useSpace{space};
};

// Each drive's highest point over the run: a packed file is inflated beside
// the file it replaces, a copy writes over it, a target placed twice gives
// back what the first record put there, and a packed file without a size
// counts its whole blocks less one.
TEST_F(DiskSpaceCheckTest, EachDriveNeedsTheHighestPointOfItsRun) {
  PutFile("D:\\Dest\\p.bin", std::string(5000, 'o'));
  PutFile("D:\\Dest\\f.bin", std::string(8000, 'o'));
  Source("p.bin", 1000);
  Source("f.nvx", 300);
  Source("g.nvx", 10000);
  Source("h.bin", 9000);
  Source("t.txt", 100);
  Source("u.dll", 10);
  WriteIndex({IndexRecord("p.bin", 0, fkDestination, "\\p.bin"),                  // -4000, peak 0
              WithSize(IndexRecord("f.nvx", 1, fkDestination, "\\F.BIN"), 20000),  // peak 16000, then 8000
              IndexRecord("g.nvx", 1, fkDestination, "\\g.bin"),                  // +4096: 12096
              IndexRecord("h.bin", 0, fkDestination, "\\p.bin"),                  // +9000 - 1000: 20096
              IndexRecord("t.txt", 0, fkTemp, "t.txt"),
              IndexRecord("u.dll", 0, 9, "\\\\server\\share\\u.dll")});
  EXPECT_EQ(DriveNeeds(engine), (std::vector<TDriveNeed>{{"D:", 20096}, {"C:", 100}, {"\\\\server\\share", 10}}));
  EXPECT_FALSE(DirectoryExists("C:\\Temp")) << "the check created the temporary folder";
}

// A drive that cannot take the files stops the run before any is written,
// in the user's language; one whose space cannot be told does not.
TEST_F(DiskSpaceCheckTest, AShortDriveIsRefusedBeforeAnythingIsWritten) {
  Source("readme.txt", 2000);
  const std::string film(5 << 20, 'f');
  PutFile(kPackage + std::string("film.nvx"), test::Packed(film));
  TContentsSummer sum;
  sum.Add(film.data(), film.size());
  TFileConfiguration filmRecord = IndexRecord("film.nvx", 1, fkDestination, "\\Films\\film.bin");
  SetRecordChecksum(filmRecord, sum.Result());
  Source("player.exe", 10000);
  WriteIndex({IndexRecord("readme.txt", 0, fkTemp, "readme.txt"),  // C: cannot be told
              filmRecord, IndexRecord("player.exe", 0, fkDestination, "\\player.exe")});
  space.free["D:\\"] = 4u << 20;
  for (uint8_t language : {kEnglishLanguage, kPolishLanguage}) {
    SetCurrentLanguage(language);
    std::string expected = test::Pinned(110, language);
    // 5 MiB + 10000 bytes = 5252880 bytes, 5129.77 KB rounded up; 4096 KB free.
    for (const char* value : {"D:", "5130", "4096"}) expected.replace(expected.find("%s"), 2, value);
    EXPECT_EQ(test::MessageOf<DiskSpaceError>([&] { engine.RunInstall(); }), expected);
    EXPECT_FALSE(DirectoryExists("D:\\Dest"));
    EXPECT_FALSE(DirectoryExists("C:\\Temp"));
  }
  space.free["D:\\"] = 5252880;
  EXPECT_TRUE(engine.RunInstall());
  EXPECT_EQ(test::FileText("D:\\Dest\\Films\\film.bin"), film);
}

}  // namespace
}  // namespace nuvex

#endif
