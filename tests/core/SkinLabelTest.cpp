// The skin label: its name, the visibility rule, the limits a skin sets and
// the placement of right-edged text.
#include <gtest/gtest.h>

#include <memory>

#include "skin/SkinLabel.h"
#include "skin/SkinManager.h"
#include "tests/support/Services.h"
#include "tests/support/TestSupport.h"
#include "toolkit/ui/Form.h"

namespace nuvex {
namespace {

class SkinLabelTest : public test::HeadlessTest {
 protected:
  SkinLabelTest() {
    form.SetName("PlayerControl");
    form.HandleNeeded();
    label = &TComponent::Create<TSkinLabel>(form);
    label->SetName("slFileName");
    label->SetParent(&form);
    label->SetCaption("film.avi");
  }

  static TButtonProperty Definition(bool autoSize, int width, int height, uint8_t alignment = 0) {
    TButtonProperty d;
    d.ControlType = SkinLabel;
    d.AutoSize = autoSize;
    d.XCoord = 38;
    d.YCoord = 22;
    d.Width = width;
    d.Height = height;
    d.Alignment = alignment;
    d.Visible = true;
    d.FontColor = -1;
    d.FontSize = -1;
    return d;
  }

  TForm form{nullptr};
  TSkinLabel* label = nullptr;
};

TEST_F(SkinLabelTest, NameComesFromTheOwner) {
  TForm panel(nullptr);
  panel.SetName("Panel");
  label->SetParent(&panel);
  EXPECT_EQ(label->ControlName(), "PlayerControl.slFileName");
  EXPECT_TRUE(label->Transparent());
}

TEST_F(SkinLabelTest, AFixedWidthLimitsEveryLaterSize) {
  const int height = label->Height();
  label->ApplySkin(Definition(false, 138, 0));
  EXPECT_EQ(label->Left(), 38);
  EXPECT_EQ(label->Top(), 22);
  EXPECT_EQ(label->Width(), 138);
  EXPECT_EQ(label->Height(), height);
  EXPECT_EQ(label->MaxWidth(), 138);
  EXPECT_EQ(label->MaxHeight(), 0);
  label->SetWidth(500);
  EXPECT_EQ(label->Width(), 138);
  // Auto-sizing to a long text is bound too.
  label->SetAutoSize(true);
  label->SetCaption(std::string(200, 'W'));
  EXPECT_EQ(label->Width(), 138);
  label->SetCaption("W");
  EXPECT_LT(label->Width(), 138);
}

TEST_F(SkinLabelTest, RightJustifiedAndCentredTextIsPlacedByItsRightEdge) {
  for (uint8_t alignment : {1, 2}) {
    TSkinLabel& fresh = TComponent::Create<TSkinLabel>(form);
    fresh.SetName("slOther" + std::to_string(alignment));
    fresh.ApplySkin(Definition(false, 138, 0, alignment));
    EXPECT_EQ(fresh.Left(), -100) << int(alignment);
    EXPECT_EQ(fresh.Width(), 138);
  }
}

TEST_F(SkinLabelTest, AutoSizeWithoutLimitsFollowsTheText) {
  label->ApplySkin(Definition(true, 0, 0, 1));
  EXPECT_EQ(label->Left(), 38);  // auto-sized text is placed by its left edge
  const int width = label->Width();
  label->SetCaption("a much longer file name.avi");
  EXPECT_GT(label->Width(), width);
}

TEST_F(SkinLabelTest, FontTakesWhatTheDefinitionGivesAndAlwaysTheStyle) {
  TFont font = label->Font();
  font.Name = "Arial";
  font.Size = 11;
  font.Color = clRed;
  font.Style = fsItalic;
  label->SetFont(font);
  TButtonProperty d = Definition(true, 0, 0);
  d.FontSize = 0;
  d.FontStyleBold = true;
  label->ApplySkin(d);
  EXPECT_EQ(label->Font().Name, "Arial");
  EXPECT_EQ(label->Font().Size, 11);
  EXPECT_EQ(label->Font().Color, clRed);
  EXPECT_EQ(label->Font().Style, fsBold);
  d.FontName = "Comic Sans MS";
  d.FontSize = 7;
  d.FontColor = 0x00FFFFFF;
  d.FontStyleBold = false;
  d.FontStyleUnderline = true;
  label->ApplySkin(d);
  EXPECT_EQ(label->Font().Name, "Comic Sans MS");
  EXPECT_EQ(label->Font().Size, 7);
  EXPECT_EQ(label->Font().Color, 0x00FFFFFF);
  EXPECT_EQ(label->Font().Style, fsUnderline);
}

TEST_F(SkinLabelTest, VisibilityIsTheWishGatedByTheSkin) {
  TButtonProperty hidden = Definition(true, 0, 0);
  hidden.Visible = false;
  label->ApplySkin(hidden);
  EXPECT_FALSE(label->Visible());
  EXPECT_FALSE(label->SafeVisible());
  label->SetVisible(true);  // the skin does not allow it yet
  EXPECT_TRUE(label->SafeVisible());
  EXPECT_FALSE(label->Visible());
  label->ApplySkin(Definition(true, 0, 0));
  EXPECT_TRUE(label->Visible());
}

TEST_F(SkinLabelTest, LinksRegisterOnceAndAreForgotten) {
  test::TempFolder tmp;
  auto manager = std::make_unique<TSkinManager>(nullptr, tmp.Path());
  label->SetLinkSkinManager(manager.get());
  label->SetLinkSkinManager(manager.get());
  EXPECT_EQ(manager->ControlCount(), 1);
  auto other = std::make_unique<TLabel>(nullptr);
  label->SetLinkLabel(other.get());
  other.reset();
  EXPECT_EQ(label->LinkLabel(), nullptr);
  manager.reset();
  EXPECT_EQ(label->LinkSkinManager(), nullptr);

  // A label that goes withdraws from the manager it linked.
  TSkinManager kept(nullptr, tmp.Path());
  label->SetLinkSkinManager(&kept);
  form.RemoveComponent(label).reset();
  EXPECT_EQ(kept.ControlCount(), 0);
}

}  // namespace
}  // namespace nuvex
