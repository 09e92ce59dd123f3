// The installer window on the headless backend, in a sandbox of drives
// (native only): its stored description and creation, the language, the
// DirectX buttons, dragging, Escape, the folder text and whole installs
// with the recording shell, registry and links.
#include <gtest/gtest.h>

#ifndef _WIN32
#include <string>
#include <vector>

#include "base/Paths.h"
#include "installer/ChooseDirectoryWindow.h"
#include "installer/Messages.h"
#include "installer/RunInstallWindow.h"
#include "package/PackageIndex.h"
#include "platform/Clock.h"
#include "platform/Files.h"
#include "platform/NativePath.h"
#include "tests/support/IndexRecord.h"
#include "tests/support/InstallFakes.h"
#include "tests/support/PinnedTexts.h"
#include "tests/support/SandboxFiles.h"
#include "tests/support/Services.h"
#include "tests/support/TestSupport.h"
#include "toolkit/ui/Application.h"
#include "tools/nvxpack/IndexFile.h"

namespace nuvex {
namespace {

constexpr const char* kPackage = "C:\\CD\\";

// The window exposes what the window system asks of it.
class ProbedWindow : public TRunInstallForm {
 public:
  using TRunInstallForm::HitTest;
  using TRunInstallForm::TRunInstallForm;
};

class RunInstallWindowTest : public test::HeadlessTest {
 protected:
  RunInstallWindowTest() : savedRoot_(DriveRoot()), savedTitle_(Application().Title()) {
    SetDriveRoot(drives_.Path());
    ForceDirectories("C:\\Program Files");
    ForceDirectories(kPackage);
    SetCurrentLanguage(kEnglishLanguage);
    registry.value = test::FakeRegistry::Text("C:\\Menu\\Programs");
  }
  ~RunInstallWindowTest() override {
    Application().SetTitle(savedTitle_);
    SetCurrentLanguage(kEnglishLanguage);
    SetDriveRoot(savedRoot_);
  }

  // The one message box the installation showed.
  void ExpectOneMessageBox(const std::string& text, const std::string& caption, uint32_t flags) {
    ASSERT_EQ(backend.MessageBoxes().size(), 1u);
    EXPECT_EQ(backend.MessageBoxes()[0].Text, text);
    EXPECT_EQ(backend.MessageBoxes()[0].Caption, caption);
    EXPECT_EQ(backend.MessageBoxes()[0].Flags, flags);
  }
  std::unique_ptr<ProbedWindow> Open() {
    auto window = std::make_unique<ProbedWindow>(nullptr, kPackage);
    Application().SetMainForm(window.get());
    window->Show();
    return window;
  }
  // A package: a plain player, a packed help file and the uninstaller.
  // With manualText, a second packed file after the help.
  void WritePackage(const std::string& helpText = "help", const std::string& manualText = "") {
    test::PutFile(std::string(kPackage) + "PLAYER.EXE", "player");
    test::PutFile(std::string(kPackage) + "help.nvx", test::Packed(helpText));
    test::PutFile(std::string(kPackage) + "UNINSTALL.EXE", "uninstall");
    std::vector<TFileConfiguration> records = {test::IndexRecord("PLAYER.EXE", 0, fkDestination, "\\PLAYER.EXE"),
                                         test::IndexRecord("help.nvx", 1, fkDestination, "\\PLAYER.CHM")};
    if (!manualText.empty()) {
      test::PutFile(std::string(kPackage) + "manual.nvx", test::Packed(manualText));
      records.push_back(test::IndexRecord("manual.nvx", 1, fkDestination, "\\MANUAL.TXT"));
    }
    records.push_back(test::IndexRecord("UNINSTALL.EXE", 0, fkDestination, "\\UNINSTALL.EXE"));
    nvxpack::WriteIndexFile(std::string(kPackage) + kPackageIndexName, records);
  }

  // Shown even for a moment, the bar asks for its place to be painted; the
  // records start at the click.
  bool BarAskedToBePainted(ProbedWindow& window) {
    const TRect bar = window.ProgressBar().BoundsRect();
    for (const TRect& r : test::WindowOf(window).Invalidations())
      if (!Intersect(r, bar).IsEmpty()) return true;
    return false;
  }
  void ClickToInstall(ProbedWindow& window) {
    backend.ProcessMessages();
    test::WindowOf(window).ClearRecords();
    ClickOn(window.rbRunInstall());
  }

  // A left click in the middle of a control, as the user gives it.
  void ClickOn(TControl& control) {
    const TPoint centre = control.ClientToParent({control.Width() / 2, control.Height() / 2});
    backend.Click(control.Parent()->ClientToScreen(centre));
  }

  test::TempFolder drives_;
  std::string savedRoot_;
  std::string savedTitle_;
  test::RecordingShell shell;
  test::FakeRegistry registry;
  test::RecordingLinks links;
  test::ScopedInstallServices services{shell, registry, links};
};

TEST_F(RunInstallWindowTest, CreationBuildsTheWindowFromItsDescription) {
  auto window = Open();
  EXPECT_EQ(window->BorderStyle(), bsNone);
  EXPECT_EQ(window->ClientWidth(), 374);  // the picture's size
  EXPECT_EQ(window->ClientHeight(), 297);
  EXPECT_EQ(window->BoundsRect(), (TRect{325, 235, 699, 532}));  // centred on 1024 x 768
  EXPECT_TRUE(window->KeyPreview());
  EXPECT_EQ(window->Image().Picture().Width(), 374);
  EXPECT_FALSE(window->ProgressBar().Visible());
  EXPECT_EQ(window->ProgressBar().Position(), 50);
  EXPECT_EQ(window->ProgressBar().Font().Color, clYellow);
  // Labels in creation order: the later blue copy lies over the aqua one.
  EXPECT_EQ(window->Controls(1), &window->laAppNameBackground());
  EXPECT_EQ(window->laAppName().Font().Color, clBlue);
  EXPECT_EQ(window->laAppName().Font().Style, fsBold | fsUnderline);
  EXPECT_EQ(window->laFolderBackgnd().Cursor(), crHandPoint);
  EXPECT_EQ(window->laFolder().Caption(), kDefaultDestinationFolder);
  EXPECT_EQ(window->laFolderBackgnd().Caption(), kDefaultDestinationFolder);
  for (TRegionedButton* b : {&window->rbRunInstall(), &window->rbInstallDirectXWin98(),
                             &window->rbInstallDirectX_Win2000()}) {
    EXPECT_EQ(b->ButtonCount(), 3) << b->Name();
    EXPECT_EQ(b->ButtonIndex(), 1) << b->Name();  // the normal state
    EXPECT_EQ(b->Width(), 226) << b->Name();
    EXPECT_EQ(b->Height(), 39) << b->Name();
    // No key colour in the stored pictures: the shape is the whole button.
    EXPECT_EQ(b->WindowRegion(), TRegion(TRect{0, 0, 226, 39})) << b->Name();
  }
  EXPECT_EQ(window->rbInstallDirectX_Win2000().BoundsRect(), (TRect{79, 151, 305, 190}));
  // The three buttons registered with the window's manager, which selects
  // no skin: they keep their stored pictures.
  const TSkinManager& manager = window->SkinManager1();
  EXPECT_EQ(manager.ControlCount(), 3);
  EXPECT_EQ(manager.Controls(0), &window->rbRunInstall());
  EXPECT_EQ(manager.SkinIndex(), -2);
  EXPECT_EQ(window->rbRunInstall().SkinManager(), &manager);
  // English texts.
  EXPECT_EQ(window->Caption(), test::Pinned(100));
  EXPECT_EQ(Application().Title(), test::Pinned(101));
  EXPECT_EQ(window->laAppName().Caption(), test::Pinned(101));
  EXPECT_EQ(window->laAppName().Hint(), test::Pinned(100));
  EXPECT_TRUE(window->laAppName().ShowHint());
  EXPECT_FALSE(window->laAppNameBackground().ShowHint());
  EXPECT_EQ(window->laDirectory1().Caption(), test::Pinned(102));
  EXPECT_EQ(window->laFolderBackgnd().Hint(), test::Pinned(103));
  EXPECT_TRUE(window->laFolderBackgnd().ShowHint());
}

TEST_F(RunInstallWindowTest, DirectXButtonsShowWhenTheirInstallersLieBesideTheProgram) {
  SetCurrentLanguage(kPolishLanguage);
  auto polish = Open();
  EXPECT_FALSE(polish->rbInstallDirectXWin98().Visible());
  EXPECT_FALSE(polish->rbInstallDirectX_Win2000().Visible());
  EXPECT_TRUE(polish->rbRunInstall().Visible());
  test::PutFile(std::string(kPackage) + test::kDirectXWin98Polish, "dx");
  auto polishWith98 = Open();
  EXPECT_TRUE(polishWith98->rbInstallDirectXWin98().Visible());
  EXPECT_FALSE(polishWith98->rbInstallDirectX_Win2000().Visible());
  // A click that reaches a button whose installer is missing by now: the message.
  polish->rbInstallDirectX_Win2000().OnClick(&polish->rbInstallDirectX_Win2000());
  ExpectOneMessageBox(test::Pinned(107), test::Pinned(4), mbOk | mbIconError);
  test::PutFile(std::string(kPackage) + test::kDirectXWin2000Polish, "dx");
  EXPECT_TRUE(Open()->rbInstallDirectX_Win2000().Visible());

  SetCurrentLanguage(kEnglishLanguage);
  test::PutFile(std::string(kPackage) + test::kDirectXEnglish, "dx");
  auto english = Open();
  EXPECT_TRUE(english->rbInstallDirectXWin98().Visible());
  EXPECT_TRUE(english->rbInstallDirectX_Win2000().Visible());
  ClickOn(english->rbInstallDirectXWin98());
  ClickOn(english->rbInstallDirectX_Win2000());
  ASSERT_EQ(shell.calls.size(), 2u);
  EXPECT_EQ(shell.calls[0].file, "C:\\CD\\DirectX8\\dxsetup.exe");
  EXPECT_EQ(shell.calls[1].file, shell.calls[0].file);
  EXPECT_EQ(backend.MessageBoxes().size(), 1u);
}

TEST_F(RunInstallWindowTest, TheSurfaceDragsTheWindowButTheFolderTextDoesNot) {
  auto window = Open();
  const TRect folder = window->laFolderBackgnd().BoundsRect();
  EXPECT_EQ(window->HitTest(folder.Left, folder.Top, THitTest::Client), THitTest::Client);
  EXPECT_EQ(window->HitTest(folder.Left - 1, folder.Top, THitTest::Client), THitTest::Caption);
  EXPECT_EQ(window->HitTest(folder.Right, folder.Top, THitTest::Client), THitTest::Caption);
  EXPECT_EQ(window->HitTest(5, 5, THitTest::Client), THitTest::Caption);
  EXPECT_EQ(window->HitTest(5, 5, THitTest::Nowhere), THitTest::Nowhere);  // only client area turns
}

TEST_F(RunInstallWindowTest, EscapeClosesTheWindowAndEndsTheProgram) {
  auto window = Open();
  backend.PressKey('A');
  EXPECT_TRUE(window->Visible());
  backend.PressKey(vkEscape);
  EXPECT_FALSE(window->Visible());
  EXPECT_TRUE(backend.QuitRequested());
}

TEST_F(RunInstallWindowTest, TheFolderTextOpensTheDialogAndTakesItsAnswer) {
  auto window = Open();
  // The dialog offers the folder shown; the user types over it.
  auto answer = [this](std::string typed, bool ok, std::string offered = kDefaultDestinationFolder) {
    backend.QueueInput([this, typed, ok, offered] {
      for (int i = Application().ComponentCount(); i-- > 0;) {
        if (auto* dialog = dynamic_cast<TChooseDirForm*>(Application().Components(i))) {
          EXPECT_EQ(dialog->GetDirectory(), offered);
          test::WindowOf(dialog->edDir()).SetText(typed);
          test::WindowOf(ok ? dialog->btOk() : dialog->btCancel()).Notify(kButtonClicked);
          return;
        }
      }
      ADD_FAILURE() << "no dialog";
    });
  };
  answer("c:\\program files", true);  // the bare Program Files becomes the default folder
  ClickOn(window->laFolderBackgnd());
  EXPECT_EQ(window->laFolder().Caption(), kDefaultDestinationFolder);
  answer("D:\\Games", false);
  ClickOn(window->laFolderBackgnd());
  EXPECT_EQ(window->laFolder().Caption(), kDefaultDestinationFolder);
  answer("C:\\Program Files\\", true);  // taken as it stands
  ClickOn(window->laFolderBackgnd());
  EXPECT_EQ(window->laFolder().Caption(), "C:\\Program Files\\");
  EXPECT_EQ(window->laFolderBackgnd().Caption(), "C:\\Program Files\\");
  answer("", true, "C:\\Program Files\\");  // an empty answer too
  ClickOn(window->laFolderBackgnd());
  EXPECT_EQ(window->laFolderBackgnd().Caption(), "");
  // The empty text keeps a line's height, where a click still opens the dialog.
  answer("D:\\Games", true, "");
  ClickOn(window->laFolderBackgnd());
  EXPECT_EQ(window->laFolder().Caption(), "D:\\Games");
}

// A folder without a drive and its root would land relative to the working
// folder: the click is refused with a message, nothing is written and the
// window stays.
TEST_F(RunInstallWindowTest, AFolderThatIsNotAFullPathIsRefusedAndNothingIsWritten) {
  WritePackage();
  auto window = Open();
  for (const char* folder : {"", "Games", "C:Games"}) {
    SCOPED_TRACE(folder);
    window->laFolder().SetCaption(folder);
    const size_t before = backend.MessageBoxes().size();
    ClickOn(window->rbRunInstall());
    ASSERT_EQ(backend.MessageBoxes().size(), before + 1);
    EXPECT_EQ(backend.MessageBoxes().back().Text, test::Pinned(109));
    EXPECT_EQ(backend.MessageBoxes().back().Caption, test::Pinned(4));
    EXPECT_EQ(backend.MessageBoxes().back().Flags, mbOk | mbIconError);
    EXPECT_FALSE(FileExists(std::string(folder) + "\\PLAYER.EXE"));
    EXPECT_FALSE(window->ProgressBar().Visible());
  }
  EXPECT_EQ(links.created, 0);
  EXPECT_TRUE(shell.calls.empty());
  EXPECT_TRUE(window->Visible());
  EXPECT_FALSE(backend.QuitRequested());
}

// A run of plain files never shows the bar.  The system marks a window that
// asks for no message for a few seconds as not responding: such a run
// reports in between records and while a long copy lasts, as often as the
// clock allows.
TEST_F(RunInstallWindowTest, APlainRunNeverShowsTheBarAndKeepsTheWindowAliveDuringALongCopy) {
  struct SteppingClock : TManualClock {
    uint32_t TickCount() override { return now += 600; }
    uint32_t now = 0;
  } clock;
  ScopedService<TClock> clockScope(clock);
  test::PutFile(std::string(kPackage) + "PLAYER.EXE", "player");
  test::PutFile(std::string(kPackage) + "FILM.AVI", std::string(1 << 20, 'f'));  // sixteen blocks
  nvxpack::WriteIndexFile(std::string(kPackage) + kPackageIndexName,
                          {test::IndexRecord("PLAYER.EXE", 0, fkDestination, "\\PLAYER.EXE"),
                           test::IndexRecord("FILM.AVI", 0, fkDestination, "\\FILM.AVI")});
  auto window = Open();
  ClickToInstall(*window);
  ASSERT_EQ(backend.MessageBoxes().size(), 1u);
  EXPECT_EQ(backend.MessageBoxes()[0].Text, test::Pinned(104));
  EXPECT_FALSE(BarAskedToBePainted(*window));
  // Two records alone could tell it twice at most; the copy's blocks, every
  // second reading of this clock, tell it more often.
  EXPECT_GE(backend.KeepAliveCount(), 6);
}

TEST_F(RunInstallWindowTest, ASuccessfulInstallReportsAndClosesAndTheBarFollowedThePackedFiles) {
  // Text that packs badly, so that the packed size is above the reports' positions.
  const std::string help = test::Unpackable(20000, 1), manual = test::Unpackable(12000, 7);
  WritePackage(help, manual);
  auto window = Open();
  // Each file counts from zero against its own packed size.
  std::vector<std::pair<int, int>> seen;
  window->ProgressBar().OnChangePosition = [&](TObject*) {
    seen.emplace_back(window->ProgressBar().Position(), window->ProgressBar().Max());
  };
  ClickOn(window->rbRunInstall());
  EXPECT_EQ(test::FileText(kDefaultDestinationFolder + std::string("\\PLAYER.CHM")), help);
  EXPECT_EQ(test::FileText(kDefaultDestinationFolder + std::string("\\MANUAL.TXT")), manual);
  const int first = static_cast<int>(test::Packed(help).size()), second = static_cast<int>(test::Packed(manual).size());
  ASSERT_GT(second, 8192);
  EXPECT_EQ(seen, (std::vector<std::pair<int, int>>{
                      {4096, first}, {8192, first}, {12288, first}, {16384, first}, {4096, second}, {8192, second}}));
  EXPECT_FALSE(window->ProgressBar().Visible());  // hidden again
  EXPECT_GE(backend.KeepAliveCount(), 1);
  ExpectOneMessageBox(test::Pinned(104), test::Pinned(5), mbOk | mbIconInformation);
  EXPECT_FALSE(window->Visible());
  EXPECT_TRUE(backend.QuitRequested());
}

TEST_F(RunInstallWindowTest, AFailedInstallReportsHidesTheBarAndTheWindowStaysForAnotherTry) {
  test::PutFile(std::string(kPackage) + "PLAYER.EXE", "player");
  test::PutFile(std::string(kPackage) + "help.nvx", test::Packed(test::Unpackable(5000, 3)));
  nvxpack::WriteIndexFile(std::string(kPackage) + kPackageIndexName,
                          {test::IndexRecord("PLAYER.EXE", 0, fkDestination, "\\PLAYER.EXE"),
                           test::IndexRecord("help.nvx", 1, fkDestination, "\\PLAYER.CHM"),
                           test::IndexRecord("missing.txt", 0, fkDestination, "\\missing.txt")});
  auto window = Open();
  bool barShown = false;
  window->ProgressBar().OnChangePosition = [&](TObject*) { barShown |= window->ProgressBar().Visible(); };
  ClickToInstall(*window);
  EXPECT_TRUE(barShown);  // the packed file showed it
  EXPECT_TRUE(BarAskedToBePainted(*window));
  EXPECT_FALSE(window->ProgressBar().Visible());
  ExpectOneMessageBox(test::Pinned(105), test::Pinned(4), mbOk | mbIconError);
  EXPECT_TRUE(window->Visible());
  EXPECT_FALSE(backend.QuitRequested());
  EXPECT_EQ(links.created, 0);
  EXPECT_EQ(test::FileText(kDefaultDestinationFolder + std::string("\\PLAYER.EXE")), "player");  // the first record stays
  // A second click starts a fresh run over the same files.
  test::PutFile(std::string(kPackage) + "missing.txt", "now here");
  ClickOn(window->rbRunInstall());
  EXPECT_EQ(backend.MessageBoxes().size(), 2u);
  EXPECT_EQ(backend.MessageBoxes()[1].Text, test::Pinned(104));
}

TEST_F(RunInstallWindowTest, AnErrorInsideTheRunIsReportedAndTheBarStaysVisible) {
  test::PutFile(std::string(kPackage) + "broken.nvx", "this is no zlib stream at all");
  nvxpack::WriteIndexFile(std::string(kPackage) + kPackageIndexName,
                          {test::IndexRecord("broken.nvx", 1, fkDestination, "\\broken.txt")});
  auto window = Open();
  ClickOn(window->rbRunInstall());
  EXPECT_TRUE(window->ProgressBar().Visible());
  ASSERT_EQ(backend.MessageBoxes().size(), 1u);
  EXPECT_EQ(backend.MessageBoxes()[0].Text, "error.");  // the full stop is the report's
  EXPECT_EQ(backend.MessageBoxes()[0].Caption, Application().Title());
  EXPECT_TRUE(window->Visible());
}

}  // namespace
}  // namespace nuvex
#endif
