// The file layer: existence checks, folder creation, copies, streams and the
// errors they raise.
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>

#include "base/Error.h"
#include "platform/Files.h"
#include "tests/support/TestSupport.h"

#ifndef _WIN32
#include <sys/stat.h>
#include <unistd.h>

#include "platform/NativePath.h"
#endif

namespace nuvex {
namespace {

using test::TempFolder;

TEST(Files, ExistenceTellsFilesFromFolders) {
  TempFolder tmp;
  test::WriteAll(tmp / "a.txt", "abc");
  EXPECT_TRUE(FileExists(tmp / "a.txt"));
  EXPECT_FALSE(DirectoryExists(tmp / "a.txt"));
  EXPECT_TRUE(DirectoryExists(tmp.Path()));
  EXPECT_FALSE(FileExists(tmp.Path()));
  EXPECT_FALSE(FileExists(tmp / "missing"));
  EXPECT_FALSE(FileExists(""));
  EXPECT_FALSE(DirectoryExists(""));
}

TEST(Files, ForceDirectoriesCreatesMissingParents) {
  TempFolder tmp;
  std::string deep = tmp / "one/two/three";
  EXPECT_TRUE(ForceDirectories(deep));
  EXPECT_TRUE(DirectoryExists(deep));
  EXPECT_TRUE(ForceDirectories(deep));  // already there
  test::WriteAll(tmp / "file", "x");
  EXPECT_FALSE(ForceDirectories(tmp / "file/sub"));  // a file stands in the way
}

// The same rules for a copy that reports in while it lasts (on Windows the
// system's copy then runs on a thread of its own).
TEST(Files, CopyOverwritesAndFailsOnMissingSource) {
  for (bool reporting : {false, true}) {
    SCOPED_TRACE(reporting ? "reporting" : "plain");
    TempFolder tmp;
    int reports = 0;
    const std::function<void()> report = [&reports] { ++reports; };
    const auto copy = [&](const std::string& from, const std::string& to) {
      return reporting ? CopyFileOver(from, to, report) : CopyFileOver(from, to);
    };
    test::WriteAll(tmp / "src", std::string(1 << 20, 'n'));
    test::WriteAll(tmp / "dst", std::string((1 << 20) + 7, 'o'));
    EXPECT_TRUE(copy(tmp / "src", tmp / "dst"));
    EXPECT_EQ(test::ReadAll(tmp / "dst"), test::ReadAll(tmp / "src"));
#ifndef _WIN32
    EXPECT_GE(reports, reporting ? 16 : 0);  // natively after each 64 KiB block
#endif
    EXPECT_FALSE(copy(tmp / "missing", tmp / "dst2"));
    EXPECT_FALSE(FileExists(tmp / "dst2"));
    EXPECT_FALSE(copy(tmp / "src", tmp / "no/such/folder/dst"));
    EXPECT_FALSE(copy(tmp / "src", tmp / "src"));
  }
}

// Read-only the portable way: the Windows runtime maps the write bits to the
// read-only attribute.
void SetReadOnly(const std::string& path, bool readOnly) {
  namespace fs = std::filesystem;
  fs::permissions(path, fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                  readOnly ? fs::perm_options::remove : fs::perm_options::add);
}

bool IsReadOnly(const std::string& path) {
  namespace fs = std::filesystem;
  return (fs::status(path).permissions() & fs::perms::owner_write) == fs::perms::none;
}

TEST(Files, CopyOntoItselfIsRefusedAndTheFileStays) {
  TempFolder tmp;
  test::WriteAll(tmp / "a.txt", "contents");
  EXPECT_FALSE(CopyFileOver(tmp / "a.txt", tmp / "a.txt"));
  EXPECT_EQ(test::ReadAll(tmp / "a.txt"), (std::vector<uint8_t>{'c', 'o', 'n', 't', 'e', 'n', 't', 's'}));
}

TEST(Files, CopyKeepsTheReadOnlyAttributeAndRefusesAReadOnlyTarget) {
  TempFolder tmp;
  test::WriteAll(tmp / "cd.txt", "from the CD");
  SetReadOnly(tmp / "cd.txt", true);
  ASSERT_TRUE(CopyFileOver(tmp / "cd.txt", tmp / "copy.txt"));
  EXPECT_TRUE(IsReadOnly(tmp / "copy.txt"));
#ifndef _WIN32
  // A second copy over it fails, as CopyFileA does on Windows (wine 8 lets it
  // pass, so this is checked natively only).
  EXPECT_FALSE(CopyFileOver(tmp / "cd.txt", tmp / "copy.txt"));
#endif
  EXPECT_TRUE(ClearReadOnly(tmp / "copy.txt"));
  EXPECT_FALSE(IsReadOnly(tmp / "copy.txt"));
  EXPECT_TRUE(ClearReadOnly(tmp / "copy.txt"));  // nothing to clear
  EXPECT_TRUE(CopyFileOver(tmp / "cd.txt", tmp / "copy.txt"));
  EXPECT_FALSE(ClearReadOnly(tmp / "missing.txt"));
  SetReadOnly(tmp / "cd.txt", false);
  SetReadOnly(tmp / "copy.txt", false);
}

#ifndef _WIN32
TEST(Files, ClearReadOnlyChangesNothingButTheOwnersWriteBit) {
  TempFolder tmp;
  test::WriteAll(tmp / "f", "x");
  ASSERT_EQ(::chmod((tmp / "f").c_str(), 0551), 0);
  EXPECT_TRUE(ClearReadOnly(tmp / "f"));
  struct stat st {};
  ASSERT_EQ(::stat((tmp / "f").c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 07777, 0751u);
}

// Drive paths of the sandbox find names whatever their case, as Windows does.
TEST(Files, SandboxNamesAreFoundWhateverTheirCase) {
  TempFolder drives;
  const std::string saved = DriveRoot();
  SetDriveRoot(drives.Path());
  ASSERT_TRUE(ForceDirectories("D:\\Nuvex Player\\Docs"));
  test::WriteAll(NativePath("D:\\Nuvex Player\\Player.exe"), "exe");
  EXPECT_TRUE(FileExists("D:\\NUVEX PLAYER\\PLAYER.EXE"));
  EXPECT_TRUE(DirectoryExists("d:\\nuvex player\\docs\\"));
  EXPECT_EQ(NativePath("D:\\NUVEX PLAYER\\PLAYER.EXE"), drives.Path() + "/D/Nuvex Player/Player.exe");
  // A new name is created as written, inside the folder that exists.
  EXPECT_EQ(NativePath("D:\\NUVEX PLAYER\\New\\File.TXT"), drives.Path() + "/D/Nuvex Player/New/File.TXT");
  EXPECT_TRUE(CopyFileOver("D:\\NUVEX PLAYER\\PLAYER.EXE", "D:\\nuvex player\\copy.exe"));
  EXPECT_TRUE(FileExists(drives.Path() + "/D/Nuvex Player/copy.exe"));
  // The same file under another case is still the file itself.
  EXPECT_FALSE(CopyFileOver("D:\\Nuvex Player\\Player.exe", "D:\\NUVEX PLAYER\\PLAYER.EXE"));
  EXPECT_EQ(test::ReadAll(NativePath("D:\\Nuvex Player\\Player.exe")), (std::vector<uint8_t>{'e', 'x', 'e'}));
  SetDriveRoot(saved);
  // Native paths keep the native tree's case-sensitive names.
  EXPECT_FALSE(FileExists(drives.Path() + "/D/NUVEX PLAYER/PLAYER.EXE"));
}

// A disk that is full: /dev/full in the sandbox takes no byte.
TEST(Files, FullDiskRaisesStreamWriteErrorAndFailsTheCopy) {
  TempFolder drives;
  const std::string saved = DriveRoot();
  SetDriveRoot(drives.Path());
  ASSERT_TRUE(ForceDirectories("F:\\"));
  ASSERT_EQ(::symlink("/dev/full", NativePath("F:\\full").c_str()), 0);
  FileStream full = FileStream::Create("F:\\FULL");
  EXPECT_EQ(test::MessageOf<StreamWriteError>([&] { full.WriteBuffer("x", 1); }), "Stream write error");
  BufferedFileWriter writer(full, 16);
  writer.Write("0123456789", 10);  // gathered, not yet written
  EXPECT_THROW(writer.Write("0123456789", 10), StreamWriteError);
  full.Close();
  test::WriteAll(drives / "src", "data");
  EXPECT_FALSE(CopyFileOver(drives / "src", "F:\\full"));
  SetDriveRoot(saved);
}
#endif

TEST(Files, BufferedWriterGathersPiecesIntoBlocks) {
  TempFolder tmp;
  std::vector<uint8_t> expected;
  {
    FileStream out = FileStream::Create(tmp / "b.bin");
    BufferedFileWriter writer(out, 8);
    for (uint8_t piece = 0; piece < 5; ++piece) {
      std::vector<uint8_t> bytes(piece * 3u, piece);
      writer.Write(bytes.data(), bytes.size());
      expected.insert(expected.end(), bytes.begin(), bytes.end());
      EXPECT_EQ(out.Size(), static_cast<int64_t>(expected.size() / 8 * 8));  // whole blocks only
    }
    writer.Flush();
    EXPECT_EQ(out.Size(), static_cast<int64_t>(expected.size()));
    writer.Write("dropped", 7);  // never flushed
  }
  EXPECT_EQ(test::ReadAll(tmp / "b.bin"), expected);
}

TEST(Files, MoveReplacesTarget) {
  TempFolder tmp;
  test::WriteAll(tmp / "a", "A");
  test::WriteAll(tmp / "b", "B");
  EXPECT_TRUE(MoveFileOver(tmp / "a", tmp / "b"));
  EXPECT_FALSE(FileExists(tmp / "a"));
  EXPECT_EQ(test::ReadAll(tmp / "b"), std::vector<uint8_t>{'A'});
  EXPECT_TRUE(DeleteFileAt(tmp / "b"));
  EXPECT_FALSE(DeleteFileAt(tmp / "b"));
}

TEST(Files, StreamsReadWriteSeekAndSize) {
  TempFolder tmp;
  {
    FileStream out = FileStream::Create(tmp / "s.bin");
    out.WriteBuffer("0123456789", 10);
    EXPECT_EQ(out.Size(), 10);
  }
  FileStream in = FileStream::OpenRead(tmp / "s.bin");
  EXPECT_EQ(in.Size(), 10);
  EXPECT_EQ(in.Seek(5), 5);
  char buf[16] = {};
  EXPECT_EQ(in.Read(buf, sizeof buf), 5u);
  EXPECT_EQ(std::string(buf, 5), "56789");
  EXPECT_EQ(in.Read(buf, sizeof buf), 0u);
}

TEST(Files, OpenAndCreateRaiseTheirMessages) {
  TempFolder tmp;
  std::string missing = tmp / "missing.bin";
  EXPECT_EQ(test::MessageOf<FileOpenError>([&] { FileStream::OpenRead(missing); }), "Cannot open file " + missing);
  std::string bad = tmp / "no/such/folder/x.bin";
  EXPECT_EQ(test::MessageOf<FileCreateError>([&] { FileStream::Create(bad); }), "Cannot create file " + bad);
  EXPECT_THROW(FileStream::OpenRead(tmp.Path()), FileOpenError);  // a folder is no file
}

TEST(Files, FormatTextFillsPlaceholdersInOrder) {
  EXPECT_EQ(FormatText("a %s b %s c", {"1", "2"}), "a 1 b 2 c");
  EXPECT_EQ(FormatText("%s%s", {"x"}), "x%s");
  EXPECT_EQ(FormatText("100%", {"x"}), "100%");
}

}  // namespace
}  // namespace nuvex
