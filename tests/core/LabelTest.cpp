// Labels: line layout, auto-size through SetBounds, alignment, transparency
// and the creation-order painting, with the headless block font (every
// character a cell of 6 x 11 pixels at 8 points).
#include <gtest/gtest.h>

#include <memory>

#include "tests/support/Services.h"
#include "toolkit/graphics/TextLayout.h"
#include "toolkit/ui/FormReader.h"
#include "toolkit/ui/Label.h"

namespace nuvex {
namespace {

int Chars(std::string_view text) { return static_cast<int>(text.size()); }

TEST(TextLayout, BreaksAtNewlinesAndWrapsAtBlanks) {
  using Lines = std::vector<std::string>;
  EXPECT_EQ(LayoutLines("one\r\ntwo\n", -1, Chars), (Lines{"one", "two", ""}));
  EXPECT_EQ(LayoutLines("C:\\Program Files\\Nuvex Player", 12, Chars),
            (Lines{"C:\\Program", "Files\\Nuvex", "Player"}));
  EXPECT_EQ(LayoutLines("a  b", 1, Chars), (Lines{"a", "b"}));           // blanks at a break go
  EXPECT_EQ(LayoutLines("tiny enormousword x", 5, Chars), (Lines{"tiny", "enormousword", "x"}));
  EXPECT_EQ(LayoutLines("fits exactly", 12, Chars), (Lines{"fits exactly"}));
  EXPECT_EQ(LayoutLines("", 10, Chars), (Lines{""}));
}

class LabelTest : public ::testing::Test {
 protected:
  LabelTest() {
    form->SetBounds(0, 0, 200, 100);
    form->SetColor(clWhite);
    form->HandleNeeded();
  }
  TLabel& NewLabel(const std::string& caption) {
    TLabel& label = TComponent::Create<TLabel>(*form);
    label.SetParent(form.get());
    label.SetCaption(caption);
    return label;
  }

  THeadlessBackend backend;
  test::ScopedHeadless scope{backend};
  std::unique_ptr<TWinControl> form = std::make_unique<TWinControl>(nullptr);
};

TEST_F(LabelTest, AutoSizeFollowsTextFontAndBoundsRightAlignedKeepsItsRightEdge) {
  TLabel& label = NewLabel("Folder");
  EXPECT_EQ(label.Width(), 6 * 6);
  EXPECT_EQ(label.Height(), 11);
  label.SetBounds(10, 10, 500, 500);  // an asked size gives way to the text's
  EXPECT_EQ(label.BoundsRect(), (TRect{10, 10, 46, 21}));
  label.SetAlignment(taRightJustify);
  label.SetCaption("Dir");
  EXPECT_EQ(label.BoundsRect(), (TRect{28, 10, 46, 21}));
  TFont big = label.Font();
  big.Size = 16;  // 21 pixels high: cells of 11 x 21
  label.SetFont(big);
  EXPECT_EQ(label.Height(), 21);
  EXPECT_EQ(label.Width(), 33);
  label.SetAutoSize(false);
  label.SetBounds(0, 0, 5, 5);
  EXPECT_EQ(label.BoundsRect(), (TRect{0, 0, 5, 5}));
}

TEST_F(LabelTest, WordWrapKeepsTheWidthAndGrowsTheHeight) {
  TLabel& label = NewLabel("C:\\Program Files\\Nuvex");
  label.SetWordWrap(true);
  label.SetBounds(0, 0, 12 * 6, 0);
  EXPECT_EQ(label.Lines(), (std::vector<std::string>{"C:\\Program", "Files\\Nuvex"}));
  EXPECT_EQ(label.Width(), 72);
  EXPECT_EQ(label.Height(), 22);
}

TEST_F(LabelTest, TransparentLabelsShowWhatLiesBeneathAndLaterOnesCover) {
  TLabel& under = NewLabel("XXXX");
  TLabel& over = NewLabel("o");
  over.SetTransparent(false);
  over.SetColor(clYellow);
  over.SetAutoSize(false);
  over.SetBounds(0, 0, 6, 11);
  backend.ProcessMessages();
  const TBitmap& picture = test::WindowOf(*form).Picture();
  // The first cell is covered by the opaque later label: its yellow shows at
  // the cell's corner, where the glyph's frame starts one pixel inside.
  EXPECT_EQ(PixelToColor(picture.ScanLine(0)[0]), clYellow);
  // Beneath a transparent label the form's white shows at its cells' corners.
  EXPECT_EQ(PixelToColor(picture.ScanLine(0)[under.Width() - 6]), clWhite);
  EXPECT_NE(PixelToColor(picture.ScanLine(1)[under.Width() - 5]), clWhite);  // a glyph's frame
}

TEST_F(LabelTest, ReadFromADescriptionSizesAtTheEndOfLoading) {
  TClassRegistry classes;
  classes.Add({"TTestLabelForm", "TWinControl", nullptr, {}});
  struct TTestLabelForm : TWinControl {
    explicit TTestLabelForm(TComponent* owner) : TWinControl(owner) {}
    std::string ClassName() const override { return "TTestLabelForm"; }
  };
  auto read = CreateForm<TTestLabelForm>(
      nullptr,
      ParseFormText("TTestLabelForm F {\n  TLabel laFolder {\n    Left = 100 Width = 3 Alignment = taRightJustify\n"
                    "    Caption = \"abc\"\n    Layout = tlCenter\n  }\n}\n",
                    "f.nfd"),
      classes, THandlerTable(), "f.nfd");
  auto& label = static_cast<TLabel&>(*read->Components(0));
  EXPECT_EQ(label.Alignment(), taRightJustify);
  EXPECT_EQ(label.Layout(), tlCenter);
  // Sized once loading ended: the right edge written (103) stays.
  EXPECT_EQ(label.BoundsRect(), (TRect{85, 0, 103, 11}));
}

}  // namespace
}  // namespace nuvex
