// nvxskin render: the sheet's cells are PaintBitmap's own pictures, and the
// PNG written through libpng reads back as the sheet.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "skin/PaintBitmap.h"
#include "skin/SkinIniFile.h"
#include "skin/SkinResources.h"
#include "tests/support/TestSupport.h"
#include "tools/nvxskin/PngFile.h"
#include "tools/nvxskin/Sheet.h"
#include "tools/nvxskin/SheetFont.h"
#include "tools/nvxskin/SkinCheck.h"

namespace nvxskin {
namespace {

using namespace nuvex;

const SheetCell* Cell(const std::vector<SheetCell>& cells, const std::string& control, int state) {
  for (const SheetCell& cell : cells)
    if (cell.control == control && cell.state == state) return &cell;
  return nullptr;
}

// The cell shows exactly what PaintBitmap paints for that state (zoomed),
// with the chequerboard where the picture holds the key colour.
void ExpectCellIsPaintBitmaps(const TBitmap& sheet, const SheetCell& cell, const TButtonProperty& d, int zoom,
                              bool withHoles = true) {
  TBitmap painted;
  painted.SetSize(d.Width, d.Height);
  PaintBitmap(*d.Bitmap, painted, d.LeftMargin, d.TopMargin, d.RightMargin, d.BottomMargin, d.Height, d.Width,
              d.SplitMode, cell.state + 1, d.ButtonCount, d.InteriorArea);
  ASSERT_EQ(cell.rect.Right - cell.rect.Left, d.Width * zoom);
  ASSERT_EQ(cell.rect.Bottom - cell.rect.Top, d.Height * zoom);
  int differences = 0, holes = 0;
  for (int y = 0; y < d.Height * zoom; ++y) {
    for (int x = 0; x < d.Width * zoom; ++x) {
      const TPixel want = painted.ScanLine(y / zoom)[x / zoom];
      holes += want == ColorToPixel(KeyColour);
      differences += sheet.ScanLine(cell.rect.Top + y)[cell.rect.Left + x] != SheetPixel(want, x, y, zoom);
    }
  }
  EXPECT_EQ(differences, 0) << d.Name << " state " << cell.state;
  if (withHoles) {
    EXPECT_GT(holes, 0) << d.Name;  // round buttons have see-through corners
  }
}

TEST(NvxskinRender, MossCellsArePaintBitmapsPicturesAndThePngReadsBack) {
  const std::string folder = test::SourcePath("tests/data/skins/Skins/Moss");
  const std::string program = test::SourcePath("tests/data/skins/");
  TSkinIniFile moss(SkinFileOf(folder), program);
  for (const int zoom : {1, 3}) {
    const auto source = SkinFileSource(folder);
    std::vector<SheetCell> cells;
    const ScopedSheetFont font;
    const TBitmap sheet = PaintSheet(*source, {zoom}, &cells);

    // 4 + 4 + 4 button states, 10 volume levels and the window.
    EXPECT_EQ(cells.size(), 23u);
    for (const char* name : {"PlayerControl.rbPlay", "PlayerControl.rbPause"}) {
      const TLoadedButton loaded = moss.LoadButton(name);
      ASSERT_TRUE(loaded);
      for (int state = 0; state < 4; ++state) {
        const SheetCell* cell = Cell(cells, name, state);
        ASSERT_NE(cell, nullptr) << name << " " << state;
        // Pause paints its interior centred, see-through: its corners stay white.
        ExpectCellIsPaintBitmaps(sheet, *cell, loaded.Property, zoom, name != std::string("PlayerControl.rbPause"));
      }
    }
    EXPECT_EQ(Cell(cells, "PlayerControl.rbLoadSkin", 0), nullptr);  // hidden: no picture

    test::TempFolder tmp;
    WritePngFile(tmp / "moss.png", sheet);
    const TBitmap back = ReadPngFile(tmp / "moss.png");
    ASSERT_EQ(back.Width(), sheet.Width());
    ASSERT_EQ(back.Height(), sheet.Height());
    int differences = 0;
    for (int y = 0; y < sheet.Height(); ++y)
      for (int x = 0; x < sheet.Width(); ++x) differences += back.ScanLine(y)[x] != sheet.ScanLine(y)[x];
    EXPECT_EQ(differences, 0) << "zoom " << zoom;
  }
}

TEST(NvxskinRender, TheBaseSkinShowsEveryStateOfItsShownPictures) {
  const auto source = BaseSkinSource();
  std::vector<SheetCell> cells;
  const TBitmap sheet = PaintSheet(*source, {}, &cells);
  size_t states = 0;
  for (const TButtonProperty& row : SkinResourcesTable())
    if (row.ControlType != SkinLabel && row.Visible) states += static_cast<size_t>(row.ButtonCount);
  EXPECT_EQ(cells.size(), states);
  TSkinResources base;
  const TLoadedButton exit = base.LoadButton("PlayerControl.rbExit");
  ASSERT_TRUE(exit);
  for (int state = 0; state < 4; ++state) {
    const SheetCell* cell = Cell(cells, "PlayerControl.rbExit", state);
    ASSERT_NE(cell, nullptr);
    ExpectCellIsPaintBitmaps(sheet, *cell, exit.Property, SheetOptions{}.zoom);
  }
}

TEST(NvxskinRender, UnreadablePngIsAnError) {
  test::TempFolder tmp;
  test::WriteAll(tmp / "bad.png", std::string("\x89PNG\r\n\x1a\nnot really"));
  EXPECT_THROW(ReadPngFile(tmp / "bad.png"), Error);
  EXPECT_THROW(ReadPngFile(tmp / "none.png"), Error);
  EXPECT_THROW(WritePngFile(tmp / "no/such/folder.png", TBitmap(2, 2)), Error);
}

}  // namespace
}  // namespace nvxskin
