// The skin manager: the skin list, selection by index and by name, the five
// passes of a skin change, the information of the selected skin, and its
// safety when components go.
#include <gtest/gtest.h>

#include <functional>
#include <initializer_list>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "base/Error.h"
#include "platform/Files.h"
#include "skin/RegionedButton.h"
#include "skin/RegionedForm.h"
#include "skin/SkinLabel.h"
#include "skin/SkinManager.h"
#include "tests/support/Services.h"
#include "tests/support/TestSupport.h"
#include "toolkit/formats/BitmapFile.h"
#include "trace/TraceCapture.h"

namespace nuvex {
namespace {

// A skinned component that writes what the manager does with it.
class JournalClient : public TComponent, public TSkinClient {
 public:
  JournalClient(TComponent* owner, std::string name, bool form, std::vector<std::string>& journal)
      : TComponent(owner), name_(std::move(name)), form_(form), journal_(journal) {}
  std::string ClassName() const override { return "JournalClient"; }
  std::string ControlName() const override { return name_; }
  void ApplySkin(const TButtonProperty& d) override {
    journal_.push_back("apply " + name_ + " " + d.Name);
    if (OnApply) OnApply();
  }
  bool SkinnedAsForm() const override { return form_; }
  void HideForSkinChange() override { journal_.push_back("hide " + name_); }
  void ShowAfterSkinChange() override { journal_.push_back("show " + name_); }
  void SkinDefinitionMissing() override { journal_.push_back("missing " + name_); }
  std::function<void()> OnApply;

 private:
  std::string name_;
  bool form_;
  std::vector<std::string>& journal_;
};

// Writes each trace line into a journal, among the components' entries, so
// that a test sees which component's reading wrote it.
class TraceIntoJournal final : private TTraceSink {
 public:
  explicit TraceIntoJournal(std::vector<std::string>& journal) : journal_(journal) {}

 private:
  void Traced(const std::string& pattern, const std::vector<std::string>& args, bool formatted) override {
    journal_.push_back(TraceLine{pattern, args, formatted}.Text());
  }
  std::vector<std::string>& journal_;
  ScopedService<TTraceSink> scope_{*this};
};

constexpr const char* kButton = "ControlType=RegionedButton\nButtonCount=4\nWidth=20\nHeight=10\nSplitMode=2\n";

class SkinManagerTest : public test::HeadlessTest {
 protected:
  SkinManagerTest() {
    // Alpha restyles the window, the play button and the time label;
    // Beta the play and stop buttons; a second skin is also called Alpha.
    WriteSkin("A", "Alpha",
              "[PlayerControl]\nControlType=RegionedForm\nButtonCount=1\nWidth=60\nHeight=40\nButtonImage=A\\w.bmp\n"
              "[PlayerControl.rbPlay]\n" + std::string(kButton) + "XCoord=5\nYCoord=6\nButtonImage=A\\b.bmp\n"
              "[PlayerControl.slTime]\nControlType=SkinLabel\nXCoord=3\nYCoord=30\nFontColor=1 2 3\n",
              "Generator=by hand\nSkinEditor=Notepad\n");
    WriteSkin("B", "Beta",
              "[PlayerControl.rbPlay]\n" + std::string(kButton) + "XCoord=7\nYCoord=8\nButtonImage=B\\b.bmp\n"
              "[PlayerControl.rbStop]\n" + std::string(kButton) + "XCoord=30\nYCoord=8\nButtonImage=B\\b.bmp\n");
    WriteSkin("C", "Alpha", "");
    WritePicture("A/w.bmp", 60, 40);
    WritePicture("A/b.bmp", 80, 10);
    WritePicture("B/b.bmp", 80, 10);
  }

  void WriteSkin(const std::string& folder, const std::string& name, const std::string& body,
                 const std::string& info = "") {
    ForceDirectories(tmp / ("Skins/" + folder));
    test::WriteAll(tmp / ("Skins/" + folder + "/Skin.nvs"),
                   "[SkinInfo]\nName=" + name + "\nAuthorName=" + name + " author\n" + info +
                       "NuvexFilmPlayerVersion=200\n" + body);
  }
  void WritePicture(const std::string& relative, int width, int height) {
    TBitmap bitmap(width, height, pf24bit);
    bitmap.Canvas().Brush.Color = 0x00336699;
    bitmap.Canvas().FillRect(bitmap.ClientRect());
    WriteBitmapFile(tmp / ("Skins/" + relative), bitmap);
  }
  int IndexOf(const char* folder) const {
    for (int i = 0; i < manager->SkinCount(); ++i)
      if (manager->Skins().Items(i)->FileName.find(std::string("Skins\\") + folder + "\\") != std::string::npos ||
          manager->Skins().Items(i)->FileName.find(std::string("Skins/") + folder + "/") != std::string::npos)
        return i;
    return -100;
  }

  // The player window: a regioned form with two buttons and a label, all
  // registered with the manager the form owns.
  void MakeWindow() {
    form = std::make_unique<TRegionedForm>(nullptr);
    form->SetName("PlayerControl");
    form->SetBorderStyle(bsNone);
    manager = &TComponent::Create<TSkinManager>(*form, tmp.Path());
    play = &TComponent::Create<TRegionedButton>(*form);
    play->SetName("rbPlay");
    play->SetParent(form.get());
    stop = &TComponent::Create<TRegionedButton>(*form);
    stop->SetName("rbStop");
    stop->SetParent(form.get());
    time = &TComponent::Create<TSkinLabel>(*form);
    time->SetName("slTime");
    time->SetParent(form.get());
    time->SetCaption("00:00");
    form->SetSkinManager(manager);
    for (TRegionedButton* b : {play, stop}) b->SetSkinManager(manager);
    time->SetLinkSkinManager(manager);
    form->HandleNeeded();
    form->Show();
  }

  test::TempFolder tmp;
  std::unique_ptr<TRegionedForm> form;
  TSkinManager* manager = nullptr;
  TRegionedButton* play = nullptr;
  TRegionedButton* stop = nullptr;
  TSkinLabel* time = nullptr;
};

TEST_F(SkinManagerTest, CreationScansAndSelectsNothing) {
  TraceCapture trace;
  ForceDirectories(tmp / "Skins/NoFile");
  TSkinManager m(nullptr, tmp.Path());
  EXPECT_EQ(m.SkinCount(), 3);
  EXPECT_EQ(m.SkinIndex(), -2);
  EXPECT_EQ(m.SkinName(), "");
  EXPECT_EQ(m.SkinFileName(), "");
  EXPECT_EQ(m.ControlCount(), 0);
  EXPECT_EQ(m.Info().AuthorName, "");
  EXPECT_EQ(m.Info().Version, 0);
  // "." and ".." are looked at too, and hold no skin file either.
  ASSERT_EQ(trace.Lines().size(), 3u);
  bool warned = false;
  for (const TraceLine& line : trace.Lines()) {
    EXPECT_EQ(line.pattern, "[TSkinManager.LoadSkinList] Warning: File \"%s\" not found");
    warned = warned || line.Text().find("NoFile") != std::string::npos;
  }
  EXPECT_TRUE(warned);

  // No skins folder at all: only the base skin can be chosen, by any name.
  test::TempFolder empty;
  TSkinManager bare(nullptr, empty.Path());
  EXPECT_EQ(bare.SkinCount(), 0);
  bare.SetSkinIndex(0);
  EXPECT_EQ(bare.SkinIndex(), -2);
  bare.SetSkinName("Alpha");
  EXPECT_EQ(bare.SkinIndex(), -1);
}

TEST_F(SkinManagerTest, IndexRulesAndInformation) {
  TSkinManager m(nullptr, tmp.Path());
  manager = &m;
  for (int ignored : {3, -2, -3}) {
    m.SetSkinIndex(ignored);
    EXPECT_EQ(m.SkinIndex(), -2) << ignored;
  }
  const int alpha = IndexOf("A");
  m.SetSkinIndex(alpha);
  EXPECT_EQ(m.SkinIndex(), alpha);
  EXPECT_EQ(m.SkinName(), "Alpha");
  EXPECT_NE(m.SkinFileName().find("Skin.nvs"), std::string::npos);
  EXPECT_EQ(m.Info().AuthorName, "Alpha author");
  EXPECT_EQ(m.Info().Generator, "by hand");
  EXPECT_EQ(m.Info().SkinEditor, "Notepad");
  EXPECT_EQ(m.Info().Version, 200);
  m.SetSkinIndex(-2);  // never back to nothing selected
  EXPECT_EQ(m.SkinIndex(), alpha);

  // The base skin's information comes from the program itself.
  TraceCapture trace;
  m.SelectBaseSkin();
  EXPECT_EQ(m.SkinIndex(), -1);
  EXPECT_EQ(m.SkinName(), "Nuvex Player base skin");
  EXPECT_EQ(m.SkinFileName(), "");
  EXPECT_EQ(m.Info().Version, 200);
  EXPECT_EQ(m.Info().Generator, "");
  EXPECT_EQ(m.Info().SkinEditor, "");
  EXPECT_EQ(m.Info().AuthorName, "Nuvex Player team");
  ASSERT_EQ(trace.Lines().size(), 1u);
  EXPECT_EQ(trace.Lines()[0].Text(), "[TSkinManager.UpdateControl] Trying to load skin from resources");

  // A skin file spoilt since the scan keeps the information it had.
  const int beta = IndexOf("B");
  test::WriteAll(tmp / "Skins/B/Skin.nvs", "not a skin");
  m.SetSkinIndex(beta);
  EXPECT_EQ(m.SkinIndex(), beta);
  EXPECT_FALSE(m.LoadSkinInfo());
  EXPECT_EQ(m.Info().AuthorName, "Nuvex Player team");
}

TEST_F(SkinManagerTest, SkinNameSelectsByNameAndRoundTrips) {
  TSkinManager m(nullptr, tmp.Path());
  manager = &m;
  const int beta = IndexOf("B");
  const int firstAlpha = std::min(IndexOf("A"), IndexOf("C"));
  for (const char* base : {"<<Base Skin>>", "", "Unlisted", "alpha", "Nuvex Player base skin"}) {
    m.SetSkinIndex(beta);
    m.SetSkinName(base);
    EXPECT_EQ(m.SkinIndex(), -1) << base;
  }
  m.SetSkinName("Alpha");
  EXPECT_EQ(m.SkinIndex(), firstAlpha);
  m.SetSkinIndex(IndexOf("A") == firstAlpha ? IndexOf("C") : IndexOf("A"));  // the second Alpha
  m.SetSkinName(m.SkinName());
  EXPECT_EQ(m.SkinIndex(), firstAlpha);  // writing the name back picks the first of that name
  m.SetSkinName("Beta");
  EXPECT_EQ(m.SkinIndex(), beta);
}

TEST_F(SkinManagerTest, FivePassesInOrderAndOnlyOnARealChange) {
  std::vector<std::string> journal;
  TSkinManager m(nullptr, tmp.Path());
  manager = &m;
  JournalClient c1(nullptr, "PlayerControl.rbPlay", false, journal);
  JournalClient f1(nullptr, "PlayerControl", true, journal);
  JournalClient c2(nullptr, "PlayerControl.rbStop", false, journal);
  for (TComponent* c : {static_cast<TComponent*>(&c1), static_cast<TComponent*>(&f1), static_cast<TComponent*>(&c2),
                        static_cast<TComponent*>(&c1)})
    EXPECT_TRUE(m.RegisterControl(c));
  EXPECT_EQ(m.ControlCount(), 3);  // registering twice counts once

  m.SetSkinIndex(IndexOf("A"));
  EXPECT_EQ(journal, (std::vector<std::string>{
                         "hide PlayerControl", "hide PlayerControl.rbPlay", "hide PlayerControl.rbStop",
                         "apply PlayerControl.rbPlay PlayerControl.rbPlay", "apply PlayerControl PlayerControl",
                         "missing PlayerControl.rbStop",  // Alpha has no stop button
                         "show PlayerControl.rbPlay", "show PlayerControl.rbStop", "show PlayerControl"}));
  journal.clear();
  m.SetSkinIndex(IndexOf("A"));
  EXPECT_TRUE(journal.empty());

  // The base skin: a name it lacks keeps its look (no "missing").
  TraceCapture trace;
  m.SelectBaseSkin();
  EXPECT_EQ(journal, (std::vector<std::string>{
                         "hide PlayerControl", "hide PlayerControl.rbPlay", "hide PlayerControl.rbStop",
                         "apply PlayerControl.rbPlay PlayerControl.rbPlay", "apply PlayerControl PlayerControl",
                         "apply PlayerControl.rbStop PlayerControl.rbStop", "show PlayerControl.rbPlay",
                         "show PlayerControl.rbStop", "show PlayerControl"}));

  // A handler that selects Beta in the middle of a change to Alpha: what the
  // change has left to do follows Beta, the skin selected then.
  journal.clear();
  c1.OnApply = [&] { m.SetSkinIndex(IndexOf("B")); };
  m.SetSkinIndex(IndexOf("A"));
  EXPECT_EQ(m.SkinIndex(), IndexOf("B"));
  EXPECT_EQ(journal, (std::vector<std::string>{
                         "hide PlayerControl", "hide PlayerControl.rbPlay", "hide PlayerControl.rbStop",
                         "apply PlayerControl.rbPlay PlayerControl.rbPlay",  // Alpha's, then Beta's change:
                         "hide PlayerControl", "hide PlayerControl.rbPlay", "hide PlayerControl.rbStop",
                         "apply PlayerControl.rbPlay PlayerControl.rbPlay", "missing PlayerControl",
                         "apply PlayerControl.rbStop PlayerControl.rbStop", "show PlayerControl.rbPlay",
                         "show PlayerControl.rbStop", "show PlayerControl",
                         "missing PlayerControl",  // Beta lacks the window; Alpha has no stop button
                         "apply PlayerControl.rbStop PlayerControl.rbStop", "show PlayerControl.rbPlay",
                         "show PlayerControl.rbStop", "show PlayerControl"}));
}

TEST_F(SkinManagerTest, EachComponentsTraceLinesComeWhenItIsSkinned) {
  // Patchy's stop button names a picture file that is not there.
  WriteSkin("E", "Patchy",
            "[PlayerControl.rbPlay]\n" + std::string(kButton) + "ButtonImage=B\\b.bmp\n"
            "[PlayerControl.rbStop]\n" + std::string(kButton) + "ButtonImage=E\\gone.bmp\n");
  std::vector<std::string> journal;
  TSkinManager m(nullptr, tmp.Path());
  JournalClient play(nullptr, "PlayerControl.rbPlay", false, journal);
  // Two components of one name, which the base skin lacks: each is read.
  JournalClient odd(nullptr, "PlayerControl.rbOdd", false, journal);
  JournalClient oddAgain(nullptr, "PlayerControl.rbOdd", false, journal);
  JournalClient stop(nullptr, "PlayerControl.rbStop", false, journal);
  for (TComponent* c : std::initializer_list<TComponent*>{&play, &odd, &oddAgain, &stop}) m.RegisterControl(c);
  // The hiding and showing around a change are another test's.
  auto definitions = [&journal] {
    std::erase_if(journal, [](const std::string& e) { return e.starts_with("hide ") || e.starts_with("show "); });
    return std::exchange(journal, {});
  };
  const std::string base = kSkinManagerBaseSkinTrace;
  const std::string notFound = "[TSkinResources.LoadButton] Warning: Skin Definition not found for button named "
                               "\"PlayerControl.rbOdd\"";
  const TraceIntoJournal trace(journal);

  m.SelectBaseSkin();
  EXPECT_EQ(definitions(), (std::vector<std::string>{
                               base,  // the base skin's information, before the change's passes
                               base, "apply PlayerControl.rbPlay PlayerControl.rbPlay", base, notFound, base, notFound,
                               base, "apply PlayerControl.rbStop PlayerControl.rbStop"}));

  m.SetSkinIndex(m.Skins().IndexOf("Patchy"));
  EXPECT_EQ(definitions(), (std::vector<std::string>{
                               "apply PlayerControl.rbPlay PlayerControl.rbPlay", "missing PlayerControl.rbOdd",
                               "missing PlayerControl.rbOdd",
                               "[TSkinIniFile.LoadButton] Exception raised: Cannot open file " + tmp.Path() +
                                   "Skins\\E\\gone.bmp",
                               "missing PlayerControl.rbStop"}));
}

TEST_F(SkinManagerTest, AComponentOfAnotherKindIsNamedInTheTraceAndLeftAlone) {
  TSkinManager m(nullptr, tmp.Path());
  manager = &m;
  TLabel plain(nullptr);
  plain.SetName("laPlain");
  TSkinLabel ownerless(nullptr);  // no owner: no name, never skinned
  m.RegisterControl(&plain);
  m.RegisterControl(&ownerless);
  TraceCapture trace;
  m.SetSkinIndex(IndexOf("A"));
  ASSERT_EQ(trace.Lines().size(), 2u);
  EXPECT_EQ(trace.Lines()[0].Text(), "[TSkinManager.UpdateControl] Error: Unknown AControl (TLabel)");
  EXPECT_EQ(trace.Lines()[1].Text(), "[TSkinManager.UpdateControl] Error: Unknown AControl (TSkinLabel)");
  EXPECT_TRUE(plain.Visible());  // not hidden
  EXPECT_TRUE(ownerless.Visible());
  plain.SetVisible(false);
  EXPECT_FALSE(m.UpdateControl(&plain));
  m.SetSkinIndex(IndexOf("B"));
  EXPECT_FALSE(plain.Visible());  // nor shown
}

TEST_F(SkinManagerTest, APlayerWindowFollowsTheSkins) {
  MakeWindow();
  EXPECT_EQ(manager->ControlCount(), 4);
  form->Hide();  // hidden by the program: shown again by any change

  manager->SetSkinIndex(IndexOf("A"));
  EXPECT_TRUE(form->Visible());
  EXPECT_EQ(form->Width(), 60);
  EXPECT_EQ(form->Height(), 40);
  EXPECT_EQ(play->Left(), 5);
  EXPECT_EQ(play->Width(), 20);
  EXPECT_TRUE(test::WindowOf(*play).Visible());
  EXPECT_FALSE(test::WindowOf(*stop).Visible());  // Alpha lacks it
  EXPECT_FALSE(stop->SkinVisible());
  EXPECT_TRUE(stop->SafeVisible());
  EXPECT_EQ(time->Font().Color, 0x00030201);
  EXPECT_TRUE(time->Visible());

  manager->SetSkinIndex(IndexOf("B"));
  EXPECT_TRUE(test::WindowOf(*stop).Visible());  // Beta defines it: back
  EXPECT_EQ(stop->Left(), 30);
  EXPECT_FALSE(time->Visible());  // Beta lacks the label
  EXPECT_EQ(form->Width(), 60);   // Beta lacks the window: it stays as it is

  manager->SelectBaseSkin();  // the base skin defines all three
  EXPECT_TRUE(time->Visible());
  EXPECT_EQ(form->Width(), 240);
  EXPECT_EQ(form->Height(), 179);
  EXPECT_EQ(play->Left(), 44);
  EXPECT_TRUE(test::WindowOf(*stop).Visible());

  // A control the program hides stays hidden through a change.
  play->SetVisible(false);
  manager->SetSkinIndex(IndexOf("B"));
  EXPECT_FALSE(play->Visible());
  EXPECT_FALSE(play->SafeVisible());
}

TEST_F(SkinManagerTest, NeverReachesAComponentThatIsGone) {
  MakeWindow();
  // A destroyed button withdraws; a handler that frees another registered
  // component during a change is survived.
  form->RemoveComponent(stop).reset();
  stop = nullptr;
  EXPECT_EQ(manager->ControlCount(), 3);
  play->OnAfterLoadButtons = [this](TObject*) {
    if (time) {
      std::unique_ptr<TComponent> gone = form->RemoveComponent(time);
      time = nullptr;
    }
  };
  manager->SetSkinIndex(IndexOf("A"));
  EXPECT_EQ(manager->ControlCount(), 2);
  manager->SelectBaseSkin();
  EXPECT_EQ(play->Left(), 44);  // the change went on to the others

  // A manager destroyed first is forgotten by everyone who named it.
  std::unique_ptr<TComponent> m = form->RemoveComponent(manager);
  m.reset();
  EXPECT_EQ(play->SkinManager(), nullptr);
  EXPECT_EQ(form->SkinManager(), nullptr);
}

TEST_F(SkinManagerTest, AChangeThatCannotPaintReportsAndStillShowsTheWindow) {
  // Margins that leave a button's image no interior cannot be painted.
  WriteSkin("D", "Broken",
            "[PlayerControl.rbPlay]\n" + std::string(kButton) + "LeftMargin=12\nRightMargin=12\nButtonImage=B\\b.bmp\n");
  MakeWindow();
  const int broken = manager->Skins().IndexOf("Broken");
  ASSERT_GE(broken, 0);
  EXPECT_EQ(test::MessageOf<Error>([&] { manager->SetSkinIndex(broken); }), "[PaintBitmap] CheckError returned True");
  EXPECT_EQ(manager->SkinIndex(), broken);
  EXPECT_TRUE(form->Visible());
  EXPECT_TRUE(test::WindowOf(*stop).Visible());  // hidden for the change, shown again
}

}  // namespace
}  // namespace nuvex
