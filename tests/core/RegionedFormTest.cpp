// The regioned form: creation in two steps with its skin data, skins, the
// transparent colour and the skin data's refusal of a plain form (what it
// shares with the regioned control: StatePictureTest.cpp).
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "base/Error.h"
#include "skin/RegionedForm.h"
#include "skin/SkinClasses.h"
#include "skin/SkinManager.h"
#include "tests/support/ButtonScenarios.h"
#include "tests/support/GraphicsTestUtil.h"
#include "tests/support/Services.h"
#include "tests/support/TestSupport.h"
#include "toolkit/formats/FormText.h"

namespace nuvex {
namespace {

using RegionedFormTest = test::HeadlessTest;

TEST_F(RegionedFormTest, SkinDataStartsAtImageZeroAndOnlyTheFirstCounts) {
  auto form = test::MakeRegionedForm(40, 20, 2);
  EXPECT_EQ(form->ButtonIndex(), 0);  // the data asked for 2: a form never takes it
  EXPECT_EQ(form->ButtonCount(), 3);
  EXPECT_EQ(form->ButtonWidth(), 40);  // the second skin data (50 wide) is ignored
  // Resized where it stands.
  EXPECT_EQ(form->Left(), 100);
  EXPECT_EQ(form->Top(), 50);
  EXPECT_EQ(form->Width(), 40);
  EXPECT_EQ(form->Height(), 20);
  EXPECT_EQ(test::PixelAt(form->RenderedImage(), 10, 10), test::kImageColor[0]);
  ASSERT_TRUE(test::WindowOf(*form).Region());
  EXPECT_EQ(*test::WindowOf(*form).Region(), test::ShapeOf(0, 40, 20));
}

TEST_F(RegionedFormTest, TransparentColourRebuildsTheSameShape) {
  auto form = test::MakeRegionedForm(40, 20);
  THeadlessWindow& w = test::WindowOf(*form);
  const int sets = w.RegionSetCount();
  form->SetTransparentColor(clRed);
  EXPECT_EQ(w.RegionSetCount(), sets + 1);
  EXPECT_EQ(*w.Region(), test::ShapeOf(0, 40, 20));  // holes are always the key colour
  form->SetTransparentColor(clRed);
  EXPECT_EQ(w.RegionSetCount(), sets + 1);
}

TEST_F(RegionedFormTest, ApplySkinKeepsThePositionAndTakesTheSize) {
  auto form = test::MakeRegionedForm(40, 20);
  form->SetButtonIndex(2);
  TButtonProperty skin;
  const TBitmap strip = test::Strip(2, 40, 20);
  skin.Bitmap = std::make_shared<const TBitmap>(strip);
  skin.ButtonCount = 2;
  skin.Width = 80;
  skin.Height = 30;
  skin.SplitMode = spHorizontal;
  skin.XCoord = 5;  // a form never moves for a skin
  skin.YCoord = 5;
  skin.Visible = false;
  form->ApplySkin(skin);
  EXPECT_EQ(form->ButtonIndex(), 2);  // kept: 2 is not above the new count
  EXPECT_TRUE(test::AllPixels(form->RenderedImage(), clWhite));
  EXPECT_EQ(form->Left(), 100);
  EXPECT_EQ(form->Top(), 50);
  EXPECT_EQ(form->Width(), 80);
  EXPECT_EQ(form->Height(), 30);
  EXPECT_EQ(form->SavedLeft(), 100);
  skin.ButtonCount = 1;
  form->ApplySkin(skin);
  EXPECT_EQ(form->ButtonIndex(), 0);  // now above the count
  EXPECT_EQ(test::PixelAt(form->RenderedImage(), 40, 5), test::kImageColor[0]);  // one image: the whole strip, stretched
}

TEST_F(RegionedFormTest, DescriptionValuesDoNotSurviveCreation) {
  TClassRegistry classes;
  AddSkinClasses(classes);
  const std::string text =
      "TRegionedForm PlayerControl {\n"
      "  Left = 10  Top = 20  Width = 120  Height = 90\n"
      "  BorderStyle = bsNone\n"
      "  Transparent = false  Color = clRed  LeftMargin = 3  ButtonWidth = 7\n"
      "  SkinManager = SkinManager1\n"
      "  TSkinManager SkinManager1 {\n  }\n"
      "}\n";
  auto form = CreateForm<TRegionedForm>(nullptr, ParseFormText(text, "test.nfd"), classes, THandlerTable(), "test.nfd");
  form->AfterConstruction();
  EXPECT_EQ(form->ButtonCount(), 0);
  EXPECT_EQ(form->ButtonIndex(), 0);
  EXPECT_TRUE(form->Transparent());
  EXPECT_EQ(form->Color(), clWhite);
  EXPECT_EQ(form->LeftMargin(), 0);
  EXPECT_EQ(form->ButtonWidth(), 120);
  EXPECT_EQ(form->ButtonHeight(), 90);
  EXPECT_EQ(form->SkinManager(), nullptr);
  // ...but the manager the description named still serves the form.
  auto& manager = DescribedComponent<TSkinManager>(*form, "SkinManager1");
  EXPECT_EQ(manager.ControlCount(), 1);
  manager.SelectBaseSkin();
  EXPECT_EQ(form->Width(), 240);  // the base skin's window
  EXPECT_EQ(form->Height(), 179);
  EXPECT_EQ(form->Left(), 10);
}

TEST_F(RegionedFormTest, SkinDataColourWithoutAStripIsAPlainPicture) {
  TClassRegistry classes;
  AddSkinClasses(classes);
  const std::string text =
      "TRegionedForm Plain {\n  Width = 30  Height = 20  BorderStyle = bsNone\n"
      "  TRegionedFormSkinData Data {\n    Color = clRed\n  }\n}\n";
  auto form = CreateForm<TRegionedForm>(nullptr, ParseFormText(text, "test.nfd"), classes, THandlerTable(), "test.nfd");
  form->AfterConstruction();
  EXPECT_EQ(form->Color(), clRed);
  ASSERT_EQ(form->RenderedImage().Width(), 30);
  ASSERT_EQ(form->RenderedImage().Height(), 20);
  EXPECT_EQ(test::PixelAt(form->RenderedImage(), 29, 19), clRed);
}

TEST_F(RegionedFormTest, SkinDataRefusesAPlainForm) {
  TForm plain(nullptr);
  EXPECT_EQ(test::MessageOf<Error>([&] { TComponent::Create<TRegionedFormSkinData>(plain); }),
            "TRegionedFormSkinData do not accept \"TForm\" ClassName");
  EXPECT_EQ(plain.ComponentCount(), 0);
  TClassRegistry classes;
  AddSkinClasses(classes);
  const std::string text = "TForm Plain {\n  TRegionedFormSkinData Data {\n  }\n}\n";
  EXPECT_EQ(test::MessageOf<Error>([&] {
              CreateForm<TForm>(nullptr, ParseFormText(text, "plain.nfd"), classes, THandlerTable(), "plain.nfd");
            }),
            "TRegionedFormSkinData do not accept \"TForm\" ClassName");
}

}  // namespace
}  // namespace nuvex
