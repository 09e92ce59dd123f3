// Labels: line layout, auto-size through SetBounds, alignment, transparency
// and the creation-order painting, with the headless block font (every
// character a cell of 6 x 11 pixels at 8 points).
#include <gtest/gtest.h>

#include <memory>

#include "tests/support/Services.h"
#include "platform/Locale.h"
#include "toolkit/graphics/TextLayout.h"
#include "toolkit/ui/FormReader.h"
#include "toolkit/ui/Label.h"

namespace nuvex {
namespace {

int Chars(std::string_view text) { return static_cast<int>(text.size()); }

TEST(TextLayout, BreaksAtNewlinesAndWrapsAtBlanks) {
  using Lines = std::vector<std::string>;
  // A break at the very end makes no empty line; an empty text has none.
  EXPECT_EQ(LayoutLines("one\r\ntwo\n", -1, Chars), (Lines{"one", "two"}));
  EXPECT_EQ(LayoutLines("", 10, Chars), (Lines{}));
  EXPECT_EQ(LayoutLines("\n", 10, Chars), (Lines{""}));
  // "\r", "\n" and a pair of them in either order are one break each.
  EXPECT_EQ(LayoutLines("a\rb\n\rc\r\rd\n\ne", -1, Chars), (Lines{"a", "b", "c", "", "d", "", "e"}));
  EXPECT_EQ(LayoutLines("C:\\Program Files\\Nuvex Player", 12, Chars),
            (Lines{"C:\\Program ", "Files\\Nuvex ", "Player"}));
  EXPECT_EQ(LayoutLines("fits exactly", 12, Chars), (Lines{"fits exactly"}));
  EXPECT_EQ(LayoutLines("  lead", 4, Chars), (Lines{"  ", "lead"}));
}

// The blanks a line breaks after stay on it; placed against the right edge
// or centred it leaves out the last one.  A blank that does not fit ends the
// line before it and is swallowed, one at a time.
TEST(TextLayout, BlanksAtABreak) {
  using Lines = std::vector<std::string>;
  EXPECT_EQ(LayoutLines("aaa bbb ccc", 4, Chars), (Lines{"aaa ", "bbb ", "ccc"}));
  EXPECT_EQ(LayoutLines("aaa bbb ccc", 3, Chars), (Lines{"aaa", "bbb", "ccc"}));
  EXPECT_EQ(LayoutLines("aaa   bbb", 7, Chars), (Lines{"aaa   ", "bbb"}));
  EXPECT_EQ(LayoutLines("aaa   bbb", 7, Chars, TLineAlign::Right), (Lines{"aaa  ", "bbb"}));
  EXPECT_EQ(LayoutLines("aaa   bbb", 7, Chars, TLineAlign::Center), (Lines{"aaa  ", "bbb"}));
  EXPECT_EQ(LayoutLines("aaa   bbb", 5, Chars, TLineAlign::Right), (Lines{"aaa  ", "bbb"}));
  EXPECT_EQ(LayoutLines("aaa   bbb", 4, Chars), (Lines{"aaa ", " bbb"}));
  EXPECT_EQ(LayoutLines("a  b", 1, Chars), (Lines{"a", " ", "b"}));
  EXPECT_EQ(LayoutLines("  x", 0, Chars), (Lines{"", "", "x"}));
}

// A word wider than the width runs on to the next blank, over hyphens and
// punctuation that would otherwise break it; a line break right after it
// gives an empty line.
TEST(TextLayout, OverlongWords) {
  using Lines = std::vector<std::string>;
  EXPECT_EQ(LayoutLines("tiny enormousword x", 5, Chars), (Lines{"tiny ", "enormousword", "x"}));
  EXPECT_EQ(LayoutLines("ab-cd-ef gh", 1, Chars), (Lines{"ab-cd-ef", "gh"}));
  EXPECT_EQ(LayoutLines("long\nx", 2, Chars), (Lines{"long", "", "x"}));
  EXPECT_EQ(LayoutLines("long\n", 2, Chars), (Lines{"long", ""}));
}

// Where a line may break besides blanks: after hyphens, dashes, tabs and
// most closing or final punctuation, before opening ones after a sign;
// never inside a number, before closing punctuation or around quotes and
// the non-breaking blank.
TEST(TextLayout, BreaksBetweenCharactersByTheirClasses) {
  using Lines = std::vector<std::string>;
  auto at = [](std::string_view text, int width) { return LayoutLines(text, width, Chars); };
  EXPECT_EQ(at("well-known", 6), (Lines{"well-", "known"}));
  EXPECT_EQ(at("a\tb", 2), (Lines{"a\t", "b"}));
  EXPECT_EQ(at("yes!no", 5), (Lines{"yes!", "no"}));
  EXPECT_EQ(at("and/or", 5), (Lines{"and/", "or"}));
  EXPECT_EQ(at("a\x96" "b", 2), (Lines{"a\x96", "b"}));     // en dash
  EXPECT_EQ(at("ab$cd", 3), (Lines{"ab", "$cd"}));          // before a sign, not after it
  EXPECT_EQ(at("12-34", 3), (Lines{"12-34"}));              // a range of numbers stays
  EXPECT_EQ(at("ab-12", 3), (Lines{"ab-12"}));
  EXPECT_EQ(at("12-ab", 3), (Lines{"12-", "ab"}));
  EXPECT_EQ(at("1,000.50", 4), (Lines{"1,000.50"}));
  EXPECT_EQ(at("ab(cd)ef", 3), (Lines{"ab(cd)ef"}));
  EXPECT_EQ(at("a.b,c", 2), (Lines{"a.b,c"}));
  EXPECT_EQ(at("say\"hi\"", 4), (Lines{"say\"hi\""}));
  EXPECT_EQ(at("a\xA0" "bc", 2), (Lines{"a\xA0" "bc"}));
  EXPECT_EQ(at("x (", 2), (Lines{"x ", "("}));
  EXPECT_EQ(at("x )", 2), (Lines{"x )"}));               // never before closing punctuation
  EXPECT_EQ(at("( x", 2), (Lines{"( x"}));                // nor after an opening and blanks
  EXPECT_EQ(at("x ...", 2), (Lines{"x ..."}));
}

// Code page 1252 has signs where 1250 has Polish capitals: a pound sign may
// start a line, a capital L with stroke stays inside its word.
TEST(TextLayout, CodePageDecidesWhichBytesAreSigns) {
  using Lines = std::vector<std::string>;
  EXPECT_EQ(LayoutLines("MA\xA3Y", 3, Chars, TLineAlign::Left, 1252), (Lines{"MA", "\xA3Y"}));
  EXPECT_EQ(LayoutLines("MA\xA3Y", 3, Chars, TLineAlign::Left, 1250), (Lines{"MA\xA3Y"}));
  EXPECT_EQ(LayoutLines("MA\xA3Y", 3, Chars, TLineAlign::Left, 1251), (Lines{"MA\xA3Y"}));
  EXPECT_EQ(CodePageOfLocaleId(0x415), 1250u);
  EXPECT_EQ(CodePageOfLocaleId(0x409), 1252u);
  EXPECT_EQ(CodePageOfLocaleId(0x404), 950u);
  EXPECT_EQ(CodePageOfLocaleId(0x804), 936u);
}

// The widest start that fits is found with uneven widths too.
TEST(TextLayout, UnevenWidths) {
  using Lines = std::vector<std::string>;
  auto wide = [](std::string_view text) {
    int width = 0;
    for (char c : text) width += c == 'W' ? 9 : c == ' ' ? 2 : 4;
    return width;
  };
  EXPECT_EQ(LayoutLines("WW ii WW ii", 30, wide), (Lines{"WW ii ", "WW ii"}));
  EXPECT_EQ(LayoutLines("WW ii WW ii", 29, wide), (Lines{"WW ", "ii ", "WW ii"}));
}

class LabelTest : public test::HeadlessTest {
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
  // Left-aligned, a line keeps the blank it broke after; right-aligned not.
  EXPECT_EQ(label.Lines(), (std::vector<std::string>{"C:\\Program ", "Files\\Nuvex"}));
  EXPECT_EQ(label.Width(), 72);
  EXPECT_EQ(label.Height(), 22);
  label.SetAlignment(taRightJustify);
  EXPECT_EQ(label.Lines(), (std::vector<std::string>{"C:\\Program", "Files\\Nuvex"}));
  EXPECT_EQ(label.Height(), 22);
  // No text is measured as a blank: one line high, as the window system measures it.
  label.SetCaption("");
  EXPECT_EQ(label.Height(), 11);
  EXPECT_EQ(label.Width(), 72);
  label.SetWordWrap(false);
  EXPECT_EQ(label.BoundsRect().Width(), 6);
  EXPECT_EQ(label.Height(), 11);
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
