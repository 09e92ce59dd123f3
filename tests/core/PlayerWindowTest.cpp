// The skin demo's player window on the headless backend: its description
// holds every control of the base skin under the skin's names, the keys step
// through the skins as a ring, and a skin that fails leaves the window shown.
#include <gtest/gtest.h>

#include <string>

#include "base/Error.h"
#include "platform/Files.h"
#include "skin/RegionedButton.h"
#include "skin/SkinLabel.h"
#include "skin/SkinResources.h"
#include "skindemo/PlayerWindow.h"
#include "tests/support/Services.h"
#include "tests/support/TestSupport.h"
#include "toolkit/formats/BitmapFile.h"

namespace nuvex {
namespace {

class PlayerWindowTest : public test::HeadlessTest {
 protected:
  void WriteSkin(const std::string& folder, const std::string& body) {
    ForceDirectories(tmp / ("Skins/" + folder));
    test::WriteAll(tmp / ("Skins/" + folder + "/Skin.nvs"),
                   "[SkinInfo]\nName=" + folder + "\nNuvexFilmPlayerVersion=200\n" + body);
  }
  uint16_t Press(TPlayerWindow& window, uint16_t key) {
    window.Form().OnKeyUp(&window.Form(), key, 0);
    return key;
  }

  test::TempFolder tmp;
};

TComponent* Registered(TSkinManager& manager, const std::string& name) {
  for (int i = 0; i < manager.ControlCount(); ++i)
    if (auto* client = dynamic_cast<TSkinClient*>(manager.Controls(i)); client && client->ControlName() == name)
      return manager.Controls(i);
  return nullptr;
}

TEST_F(PlayerWindowTest, TheDescriptionHoldsEveryControlOfTheBaseSkinInItsLook) {
  TPlayerWindow window(tmp.Path());
  TSkinManager& manager = window.SkinManager();
  EXPECT_EQ(manager.SkinIndex(), -1);
  EXPECT_EQ(window.Form().Caption(), "Nuvex Player - Nuvex Player base skin");
  EXPECT_TRUE(window.Form().Visible());
  EXPECT_EQ(manager.ControlCount(), static_cast<int>(SkinResourcesTable().size()));
  for (const TButtonProperty& row : SkinResourcesTable()) {
    SCOPED_TRACE(row.Name);
    TComponent* component = Registered(manager, row.Name);
    ASSERT_NE(component, nullptr);
    switch (row.ControlType) {
      case RegionedForm:
        EXPECT_EQ(component, &window.Form());
        EXPECT_EQ(window.Form().Width(), row.Width);
        EXPECT_EQ(window.Form().Height(), row.Height);
        break;
      case SkinLabel: {
        auto* label = dynamic_cast<TSkinLabel*>(component);
        ASSERT_NE(label, nullptr);
        EXPECT_FALSE(label->Caption().empty());
        EXPECT_EQ(label->Left(), row.XCoord);
        EXPECT_EQ(label->Font().Color, row.FontColor);
        EXPECT_TRUE(label->Visible());
        break;
      }
      default: {
        auto* control = dynamic_cast<TRegionedCustomControl*>(component);
        ASSERT_NE(control, nullptr);
        EXPECT_EQ(dynamic_cast<TRegionedButton*>(control) != nullptr, row.ControlType == RegionedButton);
        EXPECT_EQ(control->BoundsRect(), (TRect{row.XCoord, row.YCoord, row.XCoord + row.Width,
                                                row.YCoord + row.Height}));
        EXPECT_EQ(test::WindowOf(*control).Visible(), row.Visible);
      }
    }
  }
}

TEST_F(PlayerWindowTest, KeysStepThroughTheBaseSkinAndTheListedOnesAsARing) {
  WriteSkin("Alpha", "");
  WriteSkin("Beta", "");
  TPlayerWindow window(tmp.Path());
  TSkinManager& manager = window.SkinManager();
  ASSERT_EQ(manager.SkinCount(), 2);
  const int alpha = manager.Skins().IndexOf("Alpha"), beta = 1 - alpha;

  EXPECT_EQ(Press(window, kPlayerKeyNext), 0);  // handled
  EXPECT_EQ(manager.SkinIndex(), 0);
  EXPECT_EQ(window.Form().Caption(), "Nuvex Player - " + manager.SkinName());
  Press(window, kPlayerKeyRight);
  Press(window, kPlayerKeyRight);
  EXPECT_EQ(manager.SkinIndex(), -1);  // past the last: the base skin
  Press(window, kPlayerKeyPrevious);
  EXPECT_EQ(manager.SkinIndex(), 1);  // before the base skin: the last
  Press(window, kPlayerKeyLeft);
  EXPECT_EQ(manager.SkinIndex(), 0);
  EXPECT_EQ(window.Form().Caption(), std::string("Nuvex Player - ") + (alpha == 0 ? "Alpha" : "Beta"));
  window.SelectSkin(beta);
  Press(window, kPlayerKeyBase);
  EXPECT_EQ(manager.SkinIndex(), -1);
  EXPECT_EQ(window.Form().Caption(), "Nuvex Player - Nuvex Player base skin");

  EXPECT_EQ(Press(window, 'X'), 'X');  // not ours: left to others
  EXPECT_EQ(manager.SkinIndex(), -1);
  Press(window, vkEscape);
  EXPECT_FALSE(window.Form().Visible());

  // Nothing selected yet counts as the base skin; without skins the ring is the base skin alone.
  EXPECT_EQ(SteppedSkinIndex(-2, 2, 1), 0);
  EXPECT_EQ(SteppedSkinIndex(-2, 2, -1), 1);
  EXPECT_EQ(SteppedSkinIndex(-1, 0, 1), -1);
  EXPECT_EQ(SteppedSkinIndex(-1, 0, -1), -1);
}

TEST_F(PlayerWindowTest, ASkinThatCannotBePaintedLeavesTheWindowShownAndNamed) {
  // The margins leave the play button's images no interior: painting fails.
  WriteSkin("Broken",
            "[PlayerControl.rbPlay]\nControlType=RegionedButton\nButtonCount=4\nWidth=30\nHeight=22\n"
            "SplitMode=2\nLeftMargin=15\nRightMargin=15\nButtonImage=Broken\\play.bmp\n");
  WriteBitmapFile(tmp / "Skins/Broken/play.bmp", TBitmap(120, 22, pf24bit));
  TPlayerWindow window(tmp.Path());
  EXPECT_THROW(Press(window, kPlayerKeyNext), Error);
  EXPECT_EQ(window.SkinManager().SkinIndex(), 0);
  EXPECT_TRUE(window.Form().Visible());
  EXPECT_EQ(window.Form().Caption(), "Nuvex Player - Broken");
}

}  // namespace
}  // namespace nuvex
