// The file layer: existence checks, folder creation, copies, streams and the
// errors they raise.
#include <gtest/gtest.h>

#include "base/Error.h"
#include "platform/Files.h"
#include "tests/support/TestSupport.h"

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

TEST(Files, CopyOverwritesAndFailsOnMissingSource) {
  TempFolder tmp;
  test::WriteAll(tmp / "src", "new contents");
  test::WriteAll(tmp / "dst", "old contents that are longer");
  EXPECT_TRUE(CopyFileOver(tmp / "src", tmp / "dst"));
  EXPECT_EQ(test::ReadAll(tmp / "dst"), test::ReadAll(tmp / "src"));
  EXPECT_FALSE(CopyFileOver(tmp / "missing", tmp / "dst2"));
  EXPECT_FALSE(FileExists(tmp / "dst2"));
  EXPECT_FALSE(CopyFileOver(tmp / "src", tmp / "no/such/folder/dst"));
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
