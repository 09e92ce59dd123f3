// The directory list's contents and moves, the drives, and the directory
// list and drive selector controls over the headless backend, in a sandbox
// of drives (native only: the drive letters map into a temporary folder).
#include <gtest/gtest.h>

#ifndef _WIN32
#include <filesystem>

#include "platform/Drives.h"
#include "platform/Files.h"
#include "platform/NativePath.h"
#include "tests/support/Services.h"
#include "tests/support/TestSupport.h"
#include "toolkit/ui/DirectoryModel.h"
#include "toolkit/ui/FileControls.h"
#include "toolkit/ui/Form.h"

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

class FileControlsTest : public DirectoryModelTest {
 protected:
  FileControlsTest() {
    list.SetParent(&form);
    drives.SetParent(&form);
    drives.SetDirList(&list);
    list.OnChange = [this](TObject*) { changes.push_back(list.Directory()); };
    form.Show();
  }

  test::HeadlessWorld headless;
  TForm form{nullptr};
  TDirectoryListBox& list = TComponent::Create<TDirectoryListBox>(form);
  TDriveComboBox& drives = TComponent::Create<TDriveComboBox>(form);
  std::vector<std::string> changes;
};

TEST_F(FileControlsTest, TheListShowsTheDirectoryIndentedAndMovesWhereTheUserPicks) {
  THeadlessWindow& window = test::WindowOf(list);
  EXPECT_EQ(window.Params().NativeClass, "LISTBOX");
  EXPECT_EQ(window.ItemHeight(), 16);
  EXPECT_EQ(list.Directory(), "C:\\");  // the sandbox's working folder
  ASSERT_TRUE(list.SetDirectory("C:\\Program Files"));
  EXPECT_EQ(window.Items(), (std::vector<std::string>{"C:\\", "  Program Files", "    alpha", "    Nuvex", "    Zeta"}));
  EXPECT_EQ(window.ItemIndex(), 1);
  window.PickItem(3);
  EXPECT_EQ(list.Directory(), "C:\\Program Files\\Nuvex");
  EXPECT_EQ(window.ItemIndex(), 2);  // the list of the new directory, with it selected
  window.PickItem(2);                // the current one again: no change
  window.PickItem(0);
  EXPECT_EQ(changes, (std::vector<std::string>{"C:\\Program Files", "C:\\Program Files\\Nuvex", "C:\\"}));

  // Moves that are not changes tell nobody.
  changes.clear();
  EXPECT_FALSE(list.SetDirectory("C:\\No Such Folder"));
  EXPECT_TRUE(list.SetDirectory("c:/"));
  EXPECT_TRUE(changes.empty());
  // A folder that went away since it was listed leaves the list where it was.
  ASSERT_TRUE(list.SetDirectory("C:\\Program Files"));
  std::filesystem::remove(drives_ / "C/Program Files/Zeta");
  window.PickItem(4);
  EXPECT_EQ(list.Directory(), "C:\\Program Files");
  EXPECT_EQ(window.Items().size(), 4u);
  EXPECT_EQ(window.ItemIndex(), 1);
}

TEST_F(FileControlsTest, TheDriveSelectorListsTheDrivesAndMovesItsList) {
  THeadlessWindow& window = test::WindowOf(drives);
  EXPECT_EQ(window.Params().NativeClass, "COMBOBOX");
  EXPECT_EQ(window.Items(), (std::vector<std::string>{"c:", "e:"}));
  EXPECT_EQ(window.ItemIndex(), 0);
  EXPECT_EQ(drives.Drive(), 'C');
  window.PickItem(1);
  EXPECT_EQ(drives.Drive(), 'E');
  EXPECT_EQ(list.Directory(), "E:\\");
  EXPECT_EQ(changes, (std::vector<std::string>{"E:\\"}));
  drives.SetDrive('q');  // no such drive
  EXPECT_EQ(drives.Drive(), 'E');
  drives.SetDrive('c');
  EXPECT_EQ(window.ItemIndex(), 0);
  EXPECT_EQ(list.Directory(), "C:\\");
  // The selector shows the drive of wherever its list moves.
  ASSERT_TRUE(list.SetDirectory("E:\\"));
  EXPECT_EQ(drives.Drive(), 'E');
  EXPECT_EQ(window.ItemIndex(), 1);
  // The link lets go of a list that is destroyed.
  form.RemoveComponent(&list).reset();
  EXPECT_EQ(drives.DirList(), nullptr);
  window.PickItem(1);
  EXPECT_EQ(drives.Drive(), 'E');
}

}  // namespace
}  // namespace nuvex
#endif
