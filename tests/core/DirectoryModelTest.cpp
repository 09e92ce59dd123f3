// The directory list's contents and moves, and the drives, in a sandbox of
// drives (native only: the drive letters map into a temporary folder).
#include <gtest/gtest.h>

#ifndef _WIN32
#include "platform/Drives.h"
#include "platform/Files.h"
#include "platform/NativePath.h"
#include "tests/support/TestSupport.h"
#include "toolkit/ui/DirectoryModel.h"

namespace nuvex {
namespace {

class DirectoryModelTest : public ::testing::Test {
 protected:
  DirectoryModelTest() : saved_(DriveRoot()) {
    SetDriveRoot(drives_.Path());
    for (const char* folder : {"C:\\Program Files\\Nuvex", "C:\\Program Files\\alpha", "C:\\Program Files\\Zeta",
                               "C:\\Windows", "E:\\"})
      ForceDirectories(folder);
    test::WriteAll(drives_ / "C/Program Files/readme.txt", "not a folder");
    test::WriteAll(drives_ / "Q", "a file, not a drive");
  }
  ~DirectoryModelTest() override { SetDriveRoot(saved_); }

  static std::vector<std::string> Texts(const TDirectoryModel& model) {
    std::vector<std::string> texts;
    for (const TDirectoryItem& item : model.Items()) texts.push_back(std::string(item.Level, ' ') + item.Text);
    return texts;
  }

  test::TempFolder drives_;
  std::string saved_;
};

TEST_F(DirectoryModelTest, ListsThePathThenTheSortedSubfolders) {
  TDirectoryModel model("c:/Program Files\\");  // any separators, the drive in any case
  EXPECT_EQ(model.Directory(), "C:\\Program Files");
  EXPECT_EQ(Texts(model), (std::vector<std::string>{"C:\\", " Program Files", "  alpha", "  Nuvex", "  Zeta"}));
  EXPECT_EQ(model.CurrentIndex(), 1);
  EXPECT_EQ(model.Items()[3].Path, "C:\\Program Files\\Nuvex");
  EXPECT_TRUE(model.Items()[1].Open);
  EXPECT_FALSE(model.Items()[3].Open);
}

TEST_F(DirectoryModelTest, ChoosingAnItemOrADriveMoves) {
  TDirectoryModel model("C:\\Program Files");
  ASSERT_TRUE(model.Choose(3));
  EXPECT_EQ(model.Directory(), "C:\\Program Files\\Nuvex");
  ASSERT_TRUE(model.Choose(0));  // up to the root
  EXPECT_EQ(Texts(model), (std::vector<std::string>{"C:\\", " Program Files", " Windows"}));
  EXPECT_FALSE(model.Choose(9));
  EXPECT_FALSE(model.SetDirectory("C:\\No Such Folder"));
  EXPECT_FALSE(model.SetDirectory("relative\\path"));
  EXPECT_EQ(model.Directory(), "C:\\");
  ASSERT_TRUE(model.SetDrive('E'));
  EXPECT_EQ(Texts(model), (std::vector<std::string>{"E:\\"}));
  EXPECT_EQ(LogicalDrives(), (std::vector<char>{'C', 'E'}));  // not the file "Q"
}

}  // namespace
}  // namespace nuvex
#endif
