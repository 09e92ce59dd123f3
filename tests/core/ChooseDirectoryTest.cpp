// The destination folder dialog on the headless backend, in a sandbox of
// drives (native only): its stored description, its captions in both
// languages, the preset rules and ChooseDirectory's answers.
#include <gtest/gtest.h>

#ifndef _WIN32
#include <string>

#include "installer/ChooseDirectoryWindow.h"
#include "installer/Messages.h"
#include "platform/Files.h"
#include "platform/NativePath.h"
#include "tests/support/Services.h"
#include "tests/support/TestSupport.h"
#include "toolkit/ui/Application.h"

namespace nuvex {
namespace {

constexpr const char* kPreset = "C:\\Program Files\\Nuvex Player 2.6 XP";  // not there yet

class ChooseDirectoryTest : public test::HeadlessTest {
 protected:
  ChooseDirectoryTest() : savedRoot_(DriveRoot()), savedLanguage_(CurrentLanguage()) {
    SetDriveRoot(drives_.Path());
    ForceDirectories("C:\\Program Files\\Common Files");
    ForceDirectories("C:\\Games");
    SetCurrentLanguage(kEnglishLanguage);
  }
  ~ChooseDirectoryTest() override {
    SetCurrentLanguage(savedLanguage_);
    SetDriveRoot(savedRoot_);
  }

  // The dialog ChooseDirectory shows now (the application owns it).
  TChooseDirForm& Dialog() {
    for (int i = Application().ComponentCount(); i-- > 0;) {
      if (auto* form = dynamic_cast<TChooseDirForm*>(Application().Components(i))) return *form;
    }
    throw std::logic_error("no dialog is open");
  }
  // Something the user does while the dialog waits.
  void Then(std::function<void(TChooseDirForm&)> input) {
    backend.QueueInput([this, input] { input(Dialog()); });
  }

  test::TempFolder drives_;
  std::string savedRoot_;
  uint8_t savedLanguage_;
};

TEST_F(ChooseDirectoryTest, TheDescriptionBuildsTheFiveComponentsInTabOrder) {
  TChooseDirForm form(nullptr);
  EXPECT_FALSE(form.HandleAllocated());  // nothing shows while it is read
  EXPECT_EQ(form.ClientWidth(), 384);
  EXPECT_EQ(form.ClientHeight(), 285);
  EXPECT_EQ(form.BorderStyle(), bsSingle);
  EXPECT_EQ(form.Position(), poScreenCenter);
  EXPECT_EQ(form.Color(), clBtnFace);
  EXPECT_EQ(form.Font().Name, "MS Sans Serif");
  EXPECT_EQ(form.Font().PixelHeight(), 11);
  const TWinControl* inOrder[] = {&form.DriveComboBox(), &form.DirectoryListBox(), &form.edDir(), &form.btCancel(),
                                  &form.btOk()};
  const TRect bounds[] = {{8, 232, 377, 251}, {8, 32, 377, 225}, {8, 8, 377, 29}, {224, 256, 299, 281},
                          {88, 256, 163, 281}};
  for (int i = 0; i < 5; ++i) {
    EXPECT_EQ(inOrder[i]->TabOrder(), i) << inOrder[i]->Name();
    EXPECT_EQ(inOrder[i]->BoundsRect(), bounds[i]) << inOrder[i]->Name();
    EXPECT_EQ(inOrder[i]->Font(), form.Font()) << inOrder[i]->Name();
    EXPECT_EQ(form.Components(i), inOrder[i]);  // created in this order
  }
  EXPECT_EQ(form.DriveComboBox().DirList(), &form.DirectoryListBox());
  EXPECT_EQ(form.DirectoryListBox().ItemHeight(), 16);
  EXPECT_EQ(form.btOk().ModalResult(), mrNone);  // neither button is a default or cancel button
  EXPECT_EQ(form.btCancel().ModalResult(), mrNone);
  // Creation: the working folder, and the installer's captions without accelerators.
  EXPECT_EQ(form.GetDirectory(), "C:\\");
  EXPECT_EQ(form.btOk().Caption(), "Ok");
  EXPECT_EQ(form.btCancel().Caption(), "Cancel");
  EXPECT_EQ(form.Caption(), "Select Destination Directory");

  SetCurrentLanguage(kPolishLanguage);
  TChooseDirForm polish(nullptr);
  EXPECT_EQ(polish.btOk().Caption(), "Akceptuj");
  EXPECT_EQ(polish.btCancel().Caption(), "Anuluj");
  EXPECT_EQ(polish.Caption(), "Wska\xBF folder instalacyjny");
}

TEST_F(ChooseDirectoryTest, APresetIsShownAsGivenWhileTheListFallsBackOrStays) {
  TChooseDirForm form(nullptr);
  form.SetDirectory("C:\\Games");
  EXPECT_EQ(form.DirectoryListBox().Directory(), "C:\\Games");
  EXPECT_EQ(form.GetDirectory(), "C:\\Games");
  form.SetDirectory(kPreset);
  EXPECT_EQ(form.DirectoryListBox().Directory(), "C:\\Program Files");
  EXPECT_EQ(form.GetDirectory(), kPreset);  // after the list's change, still the preset
  form.SetDirectory("  not a path\\");
  EXPECT_EQ(form.GetDirectory(), "  not a path\\");  // unaltered
  // A folder that exists but that the list cannot show (no drive of its own,
  // as a relative folder or a network share) falls back as a missing one.
  for (const std::string& unshown : {drives_.Path(), std::string("C:Games")}) {
    ASSERT_TRUE(form.DirectoryListBox().SetDirectory("C:\\Games"));
    form.SetDirectory(unshown);
    EXPECT_EQ(form.DirectoryListBox().Directory(), "C:\\Program Files") << unshown;
    EXPECT_EQ(form.GetDirectory(), unshown);
  }

  // Without "C:\Program Files" the list stays where it is.
  ASSERT_TRUE(form.DirectoryListBox().SetDirectory("C:\\Games"));
  test::TempFolder other;
  SetDriveRoot(other.Path());
  ForceDirectories("C:\\");
  form.SetDirectory(kPreset);
  EXPECT_EQ(form.DirectoryListBox().Directory(), "C:\\Games");
  EXPECT_EQ(form.GetDirectory(), kPreset);
}

TEST_F(ChooseDirectoryTest, OkAtOnceGivesThePresetBackUnchanged) {
  std::string folder = kPreset;
  Then([](TChooseDirForm& d) {
    EXPECT_TRUE(d.DriveComboBox().Focused());  // the first in tab order
    EXPECT_EQ(d.DirectoryListBox().Directory(), "C:\\Program Files");
    test::WindowOf(d.btOk()).Notify(kButtonClicked);
  });
  const int before = Application().ComponentCount();
  EXPECT_TRUE(ChooseDirectory(folder));
  EXPECT_EQ(folder, kPreset);
  EXPECT_EQ(Application().ComponentCount(), before);  // the dialog is gone
}

TEST_F(ChooseDirectoryTest, AFolderPickedInTheListReplacesWhatWasTyped) {
  std::string folder = kPreset;
  Then([](TChooseDirForm& d) {
    test::WindowOf(d.edDir()).SetText("D:\\typed");
    THeadlessWindow& list = test::WindowOf(d.DirectoryListBox());
    ASSERT_EQ(list.Items().at(2), "    Common Files");
    list.PickItem(2);
    EXPECT_EQ(d.GetDirectory(), "C:\\Program Files\\Common Files");
    test::WindowOf(d.btOk()).Notify(kButtonClicked);
  });
  EXPECT_TRUE(ChooseDirectory(folder));
  EXPECT_EQ(folder, "C:\\Program Files\\Common Files");

  // What is typed after the last change is what OK returns.
  Then([](TChooseDirForm& d) {
    test::WindowOf(d.DirectoryListBox()).PickItem(0);
    test::WindowOf(d.edDir()).SetText("relative\\");
    test::WindowOf(d.btOk()).Notify(kButtonClicked);
  });
  EXPECT_TRUE(ChooseDirectory(folder));
  EXPECT_EQ(folder, "relative\\");
}

TEST_F(ChooseDirectoryTest, CancelAndTheCloseBoxLeaveTheFolderAlone) {
  std::string folder = "C:\\Games";
  Then([](TChooseDirForm& d) {
    test::WindowOf(d.DirectoryListBox()).PickItem(0);
    test::WindowOf(d.btCancel()).Notify(kButtonClicked);
  });
  EXPECT_FALSE(ChooseDirectory(folder));
  EXPECT_EQ(folder, "C:\\Games");

  Then([](TChooseDirForm& d) { test::WindowOf(d).RequestClose(); });
  EXPECT_FALSE(ChooseDirectory(folder));
  EXPECT_EQ(folder, "C:\\Games");
  // Enter and Escape in the edit box are the window system's to give:
  // ChooseDirectoryWin checks that they press no button.
}

}  // namespace
}  // namespace nuvex
#endif
