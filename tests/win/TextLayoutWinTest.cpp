// Our line layout against the window system's own: DrawTextA with
// DT_WORDBREAK and the same font selected.  For every text, width, font and
// alignment, LayoutLines (measuring with GetTextExtentPoint32A) must give the
// rectangle DT_CALCRECT gives (lines x line height, the widest line) and,
// drawn line by line with TextOutA where a label puts its lines, the pixels
// DrawText draws.  Underlined fonts make the blanks kept at a line's end
// show.  Then the label itself: its auto-size and its painted pixels.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <random>
#include <string>
#include <vector>

#include "platform/Locale.h"
#include "tests/support/GraphicsTestUtil.h"
#include "tests/support/Services.h"
#include "toolkit/graphics/GdiBridge.h"
#include "toolkit/graphics/TextLayout.h"
#include "toolkit/ui/Label.h"

namespace nuvex {
namespace {

using test::FontOf;

// MS Sans Serif 8 is height -11.
const TFont kFonts[] = {
    FontOf("MS Sans Serif", 8),          FontOf("MS Sans Serif", 8, fsUnderline),
    FontOf("Arial", 8),                  FontOf("Arial", 10, fsBold),
    FontOf("Arial", 12, fsUnderline),    FontOf("Tahoma", 8),
    FontOf("Tahoma", 11, fsBold | fsUnderline),
};

const TLineAlign kAligns[] = {TLineAlign::Left, TLineAlign::Right, TLineAlign::Center};

UINT DrawTextAlign(TLineAlign align) {
  return align == TLineAlign::Right ? DT_RIGHT : align == TLineAlign::Center ? DT_CENTER : DT_LEFT;
}

std::string Visible(const std::string& text) {
  std::string out;
  for (unsigned char c : text) {
    if (c == '\r') out += "\\r";
    else if (c == '\n') out += "\\n";
    else if (c == '\t') out += "\\t";
    else if (c < 0x20 || c >= 0x80) {
      char hex[8];
      std::snprintf(hex, sizeof hex, "\\x%02X", c);
      out += hex;
    } else out += static_cast<char>(c);
  }
  return out;
}

// Draws texts into one section, DrawText's way and ours, and compares.
// Lines start kMargin pixels in, so that over-long lines placed against the
// right edge or centred still land on the section.
class LayoutComparer {
 public:
  static constexpr int kMargin = 500;
  static constexpr int kWidth = 1600;
  static constexpr int kHeight = 720;

  int cases = 0;
  int agreeing = 0;
  std::vector<std::string> differences;

  void Compare(const TFont& font, const std::string& text, int width, TLineAlign align) {
    ++cases;
    const HDC dc = section_.Dc();
    gdi::SelectionScope select(dc, gdi::FontFor(font));
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, RGB(0, 0, 0));
    TEXTMETRICA metrics{};
    GetTextMetricsA(dc, &metrics);
    const int lineHeight = metrics.tmHeight;
    auto measure = [dc](std::string_view piece) {
      SIZE size{};
      GetTextExtentPoint32A(dc, piece.data(), static_cast<int>(piece.size()), &size);
      return static_cast<int>(size.cx);
    };
    const std::vector<std::string> lines = LayoutLines(text, width, measure, align, GetACP());
    const UINT flags = DT_WORDBREAK | DT_NOPREFIX | DrawTextAlign(align);

    RECT calc{kMargin, 0, kMargin + width, 0};
    DrawTextA(dc, text.data(), static_cast<int>(text.size()), &calc, flags | DT_CALCRECT);
    int widest = 0;
    for (const std::string& line : lines) widest = std::max(widest, measure(line));
    const int ourHeight = static_cast<int>(lines.size()) * lineHeight;
    bool same = calc.bottom - calc.top == ourHeight && (lines.empty() || calc.right - calc.left == widest);

    const int rows = std::min<int>(kHeight, std::max<int>(calc.bottom, ourHeight));
    Clear(rows);
    RECT box{kMargin, 0, kMargin + width, kHeight};
    DrawTextA(dc, text.data(), static_cast<int>(text.size()), &box, flags | DT_NOCLIP);
    GdiFlush();
    theirs_.assign(section_.Bits(), section_.Bits() + static_cast<size_t>(rows) * kWidth);
    Clear(rows);
    int y = 0;
    for (const std::string& line : lines) {
      const int free = width - measure(line);
      // DrawText centres rounding down, also when the line is wider than the box.
      const int x = align == TLineAlign::Right ? free : align == TLineAlign::Center ? (free >> 1) : 0;
      TextOutA(dc, kMargin + x, y, line.data(), static_cast<int>(line.size()));
      y += lineHeight;
    }
    GdiFlush();
    same = same && std::equal(theirs_.begin(), theirs_.end(), section_.Bits());

    if (same) {
      ++agreeing;
      return;
    }
    std::string report = font.Name + " " + std::to_string(font.Size) + " style " + std::to_string(font.Style) +
                         (align == TLineAlign::Left ? " left" : align == TLineAlign::Right ? " right" : " centre") +
                         ", width " + std::to_string(width) + ", \"" + Visible(text) + "\": DrawText " +
                         std::to_string((calc.bottom - calc.top) / lineHeight) + " lines, widest " +
                         std::to_string(calc.right - calc.left) + "; ours " + std::to_string(lines.size()) +
                         " lines, widest " + std::to_string(widest) + ":";
    for (const std::string& line : lines) report += " [" + Visible(line) + "]";
    differences.push_back(report);
  }

  std::string Headline() const {
    return "code page " + std::to_string(GetACP()) + ": " + std::to_string(agreeing) + " of " +
           std::to_string(cases) + " cases agree";
  }
  std::string Summary() const {
    std::string text = Headline();
    for (size_t i = 0; i < differences.size() && i < 25; ++i) text += "\n  " + differences[i];
    return text;
  }

 private:
  void Clear(int rows) {
    GdiFlush();
    std::fill(section_.Bits(), section_.Bits() + static_cast<size_t>(rows) * kWidth, TPixel{0xFFFFFF});
  }

  gdi::DibSection section_{kWidth, kHeight};
  std::vector<TPixel> theirs_;
};

// Blanks alone, in runs, leading and trailing; both line breaks and their
// mixtures, empty lines and a break at the end; over-long words; hyphens,
// dashes, tabs, punctuation around words and numbers, a non-breaking blank,
// curly quotes and a Polish word, at widths from one pixel to wider than
// any text.
TEST(TextLayoutWin, TableOfTextsBreaksWhereDrawTextBreaks) {
  const std::vector<std::string> texts = {
      "",
      " ",
      "   ",
      "word",
      "Install the player",
      "Install  the   player",
      "  leading and trailing  ",
      "one\r\ntwo",
      "one\ntwo\n",
      "one\n\ntwo",
      "a\rb\n\rc\r\rd",
      "\n",
      "\r\n\r\n",
      "line   \nnext",
      "tiny enormouswordthatgoesonandon x",
      "C:\\Program Files\\Nuvex Player\\player.exe",
      "well-known hyphen-ated words-",
      "tab\tseparated\twords",
      "Copying (3 of 12 files), 25% done!",
      "Price: $10.50 - or 1,000.5 units/day; ok?",
      "\"quoted\" and 'single' (paren) [brackets] {braces}",
      "a\xA0non-breaking\xA0" "blank and \x93" "curly\x94 quotes\x85 \x96 dash\x97" "em",
      "Zainstaluj odtwarzacz w folderze \xBF\xF3\xB3w \xA3\xF3" "d\x9F",
      "DYSK MA\xA3Y, Z\xA5" "B I \xA3\xD3" "D\x8F",
      "Wybierz folder, w kt\xF3rym ma zosta\xE6 zainstalowany program.",
  };
  const int widths[] = {1, 5, 12, 30, 47, 64, 90, 150, 260, 2000};
  LayoutComparer comparer;
  for (const TFont& font : kFonts)
    for (const std::string& text : texts)
      for (int width : widths)
        for (TLineAlign align : kAligns) comparer.Compare(font, text, width, align);
  std::printf("[ table ] %s\n", comparer.Headline().c_str());
  EXPECT_EQ(comparer.agreeing, comparer.cases) << comparer.Summary();
}

// Texts drawn at random from pieces of every kind, seeded, at random widths.
TEST(TextLayoutWin, RandomTextsBreakWhereDrawTextBreaks) {
  const char* const pieces[] = {
      "a",    "Wg",   "i",    "word", "player", " ",    " ",    "  ",   "\t",   "-",    "--",   "(",    ")",
      "[",    "}",    "!",    "?",    ",",    ".",    ":",    "/",    "\\",   "$",    "%",    "+",    "1",
      "25",   "\"",   "'",    "\r",   "\n",   "\r\n", "\xA0", "\xAD", "\x96", "\x97", "\x85", "\x80", "\x82",
      "\x84", "\x89", "\x8B", "\x91", "\x93", "\x94", "\xA1", "\xA2", "\xA3", "\xA4", "\xA5", "\xAB", "\xB0",
      "\xB1", "\xB4", "\xBB", "\xBF", "\xB9", "\xE6", "\x8C", "\x9F",
  };
  std::mt19937 random(20240601);
  LayoutComparer comparer;
  for (int n = 0; n < 800; ++n) {
    std::string text;
    const int count = static_cast<int>(random() % (n % 4 == 0 ? 24 : 10));
    for (int k = 0; k < count; ++k) text += pieces[random() % std::size(pieces)];
    const int width = 1 + static_cast<int>(random() % (n % 4 == 0 ? 240 : 80));
    const TFont& font = kFonts[random() % std::size(kFonts)];
    for (TLineAlign align : kAligns) comparer.Compare(font, text, width, align);
  }
  std::printf("[ random ] %s\n", comparer.Headline().c_str());
  EXPECT_EQ(comparer.agreeing, comparer.cases) << comparer.Summary();
}

// A label's auto-size against DT_CALCRECT, and what it paints against what
// DrawText draws in its rectangle (on the headless window system, with the
// system's fonts).
class LabelWinTest : public ::testing::Test {
 protected:
  LabelWinTest() {
    form->SetBounds(0, 0, 400, 300);
    form->SetColor(clWhite);
    form->HandleNeeded();
  }

  TLabel& NewLabel(const TFont& font, bool wordWrap, TAlignment alignment, int width, const std::string& caption) {
    TLabel& label = TComponent::Create<TLabel>(*form);
    label.SetParent(form.get());
    label.SetFont(font);
    label.SetWordWrap(wordWrap);
    label.SetAlignment(alignment);
    label.SetBounds(10, 10, width, 20);
    label.SetCaption(caption);
    return label;
  }

  static RECT CalcRect(const TFont& font, const std::string& caption, int width, UINT flags) {
    gdi::MemoryDc dc;
    gdi::SelectionScope select(dc.Get(), gdi::FontFor(font));
    RECT rect{0, 0, width, 0};
    DrawTextA(dc.Get(), caption.data(), static_cast<int>(caption.size()), &rect, flags | DT_NOPREFIX | DT_CALCRECT);
    return rect;
  }

  THeadlessBackend backend;
  ScopedService<TWindowBackend> useBackend{backend};
  std::unique_ptr<TWinControl> form = std::make_unique<TWinControl>(nullptr);
};

const std::vector<std::string> kCaptions = {
    "Folder",
    "",
    "Wybierz folder, w kt\xF3rym ma zosta\xE6 zainstalowany program Nuvex Player.",
    "C:\\Program Files\\Nuvex Player",
    "Install  the   player\r\n\r\nthen restart",
    "trailing blanks   \n",
    "an-overlongwordthatnolinecanhold and more",
};

TEST_F(LabelWinTest, WordWrapHeightIsDrawTextsAndUnwrappedSizeToo) {
  for (const TFont& font : kFonts) {
    for (const std::string& caption : kCaptions) {
      // An empty text is measured as a blank, as the window system's labels measure it.
      const std::string measured = caption.empty() ? " " : caption;
      for (int width : {40, 120, 300}) {
        TLabel& wrapped = NewLabel(font, true, taLeftJustify, width, caption);
        const RECT calc = CalcRect(font, measured, width, DT_WORDBREAK);
        EXPECT_EQ(wrapped.Height(), calc.bottom) << font.Name << " " << font.Size << " width " << width << ": "
                                                 << Visible(caption);
        EXPECT_EQ(wrapped.Width(), width);
        form->RemoveComponent(&wrapped);
      }
      TLabel& unwrapped = NewLabel(font, false, taLeftJustify, 10, caption);
      const RECT calc = CalcRect(font, measured, 10, 0);
      EXPECT_EQ(unwrapped.Height(), calc.bottom) << font.Name << " " << font.Size << ": " << Visible(caption);
      EXPECT_EQ(unwrapped.Width(), calc.right) << font.Name << ": " << Visible(caption);
      form->RemoveComponent(&unwrapped);
    }
  }
}

TEST_F(LabelWinTest, PaintsWhatDrawTextDrawsInItsRectangle) {
  const std::pair<TAlignment, UINT> alignments[] = {
      {taLeftJustify, DT_LEFT}, {taRightJustify, DT_RIGHT}, {taCenter, DT_CENTER}};
  int compared = 0;
  for (const TFont& font : {kFonts[1], kFonts[3], kFonts[6]}) {
    for (const std::string& caption : kCaptions) {
      if (caption.empty()) continue;
      for (const auto& [alignment, flag] : alignments) {
        TLabel& label = NewLabel(font, true, alignment, 90, caption);
        backend.ProcessMessages();
        const TRect bounds = label.BoundsRect();
        TBitmap painted(bounds.Width(), bounds.Height());
        painted.Canvas().CopyRect(painted.ClientRect(), test::WindowOf(*form).Picture(), bounds);

        // DrawText draws on a wider section, so that a line wider than the
        // label is cut only by the label's edges.
        constexpr int kMargin = 200;
        gdi::DibSection section(bounds.Width() + 2 * kMargin, bounds.Height());
        GdiFlush();
        std::fill(section.Bits(), section.Bits() + section.Width() * section.Height(), TPixel{0xFFFFFF});
        {
          gdi::SelectionScope select(section.Dc(), gdi::FontFor(font));
          SetBkMode(section.Dc(), TRANSPARENT);
          SetTextColor(section.Dc(), RGB(0, 0, 0));
          RECT box{kMargin, 0, kMargin + bounds.Width(), bounds.Height()};
          DrawTextA(section.Dc(), caption.data(), static_cast<int>(caption.size()), &box,
                    DT_WORDBREAK | DT_NOPREFIX | flag);
        }
        TBitmap wide;
        section.Store(wide);
        TBitmap drawn(bounds.Width(), bounds.Height());
        drawn.Canvas().CopyRect(drawn.ClientRect(), wide, Rect(kMargin, 0, kMargin + bounds.Width(), bounds.Height()));
        EXPECT_TRUE(test::SamePixels(painted, drawn))
            << font.Name << " " << font.Size << " alignment " << int(alignment) << ": " << Visible(caption) << " ("
            << test::DifferentPixels(painted, drawn) << " pixels differ)";
        ++compared;
        form->RemoveComponent(&label);
        backend.ProcessMessages();
      }
    }
  }
  EXPECT_EQ(compared, 3 * 6 * 3);
}

}  // namespace
}  // namespace nuvex
