#include "tools/nvxskin/Sheet.h"

#include <algorithm>

#include "base/Error.h"
#include "platform/Files.h"
#include "skin/SkinIniFile.h"
#include "skin/SkinResources.h"
#include "skin/SkinTypes.h"
#include "tools/nvxskin/SkinCheck.h"
#include "tools/nvxskin/StatePaint.h"
#include "trace/TraceUnit.h"

namespace nvxskin {

using namespace nuvex;

namespace {

template <typename Reader>
class ReaderSource final : public DefinitionSource {
 public:
  template <typename... Args>
  explicit ReaderSource(Args&&... args) : reader_(std::forward<Args>(args)...) {}
  TLoadedButton Load(const std::string& controlName) const override { return reader_.LoadButton(controlName); }

 private:
  Reader reader_;
};

// The engine's trace lines are not wanted on the sheet's way.
class SilentTrace final : private TTraceSink {
  void Traced(const std::string&, const std::vector<std::string>&, bool) override {}
  ScopedService<TTraceSink> scope_{*this};
};

constexpr TColor kBackground = 0x00F4F4F4;
constexpr TColor kInk = 0x00202020;
constexpr TColor kFaint = 0x00909090;
constexpr TColor kFrame = 0x00B0B0B0;
constexpr TColor kMissing = 0x002020D0;  // red (0x00BBGGRR)
constexpr TColor kLabelBackground = 0x00383838;
constexpr TPixel kCheckLight = 0x00FFFFFF;
constexpr TPixel kCheckDark = 0x00D8D8D8;
constexpr int kMargin = 10;
constexpr int kGap = 8;

const char* StateName(const TButtonProperty& d, int state) {
  // A button's strip order: pressed, normal, mouse-over, disabled; with two
  // images the first serves pressed and mouse-over.
  static const char* const kButton[] = {"pressed", "normal", "over", "disabled"};
  if (d.ControlType != RegionedButton) return nullptr;
  if (d.ButtonCount == 2) return state == 0 ? "pressed, over" : "normal";
  if (d.ButtonCount == 3 || d.ButtonCount == 4) return kButton[state];
  return nullptr;
}

void Fill(TBitmap& sheet, const TRect& rect, TColor colour) {
  TCanvas& canvas = sheet.Canvas();
  canvas.Brush = {colour, bsSolid};
  canvas.FillRect(rect);
}

void Frame(TBitmap& sheet, const TRect& r, TColor colour) {
  Fill(sheet, {r.Left - 1, r.Top - 1, r.Right + 1, r.Top}, colour);
  Fill(sheet, {r.Left - 1, r.Bottom, r.Right + 1, r.Bottom + 1}, colour);
  Fill(sheet, {r.Left - 1, r.Top, r.Left, r.Bottom}, colour);
  Fill(sheet, {r.Right, r.Top, r.Right + 1, r.Bottom}, colour);
}

void Text(TBitmap& sheet, int x, int y, const std::string& text, TColor colour) {
  TCanvas& canvas = sheet.Canvas();
  canvas.Brush.Style = bsClear;
  canvas.Font.Color = colour;
  canvas.TextOut(x, y, text);
}

// A line from (x0, y0) to (x1, y1), one pixel wide.
void Line(TBitmap& sheet, int x0, int y0, int x1, int y1, TColor colour) {
  const int steps = std::max(std::abs(x1 - x0), std::abs(y1 - y0));
  for (int i = 0; i <= steps; ++i) {
    const int x = x0 + (steps ? (x1 - x0) * i / steps : 0);
    const int y = y0 + (steps ? (y1 - y0) * i / steps : 0);
    if (sheet.ClientRect().Contains(x, y)) sheet.ScanLine(y)[x] = ColorToPixel(colour);
  }
}

// What one row shows.
struct Row {
  std::string name;
  std::string note;              // why there is no picture, or the label's text
  std::vector<TBitmap> states;   // painted state images
  std::vector<std::string> captions;
  bool label = false;
  TColor labelColour = 0;
  int cellWidth = 0, cellHeight = 0;  // state image pixels
};

Row MakeRow(DefinitionSource& source, const TButtonProperty& base) {
  Row row;
  row.name = base.Name;
  const TLoadedButton loaded = source.Load(base.Name);
  const bool complete = loaded.Complete;
  const TButtonProperty& d = loaded.Property;
  if (!d.Visible) {
    row.note = "hidden";
    return row;
  }
  if (!complete) {
    row.note = "not defined";
    return row;
  }
  if (d.ControlType == SkinLabel) {
    row.label = true;
    row.labelColour = d.FontColor;
    row.note = "Label 0:00";
    return row;
  }
  if (d.Width <= 0 || d.Height <= 0 || d.ButtonCount <= 0) {
    row.note = "no size";
    return row;
  }
  row.cellWidth = d.Width;
  row.cellHeight = d.Height;
  for (int state = 0; state < d.ButtonCount; ++state) {
    TBitmap buffer;
    try {
      PaintState(d, state, buffer);
    } catch (const Error&) {
      // PaintBitmap leaves the buffer in the error colour: shown as it is.
    }
    row.states.push_back(std::move(buffer));
    const char* name = StateName(d, state);
    row.captions.push_back(name ? name : std::to_string(state + 1));
  }
  return row;
}

}  // namespace

std::unique_ptr<DefinitionSource> SkinFileSource(const std::string& skinFolder) {
  const std::string program = ProgramFolderOf(skinFolder);
  const std::string file = SkinFileOf(skinFolder);
  if (!FileExists(file)) throw UsageError{"no skin file " + file};
  return std::make_unique<ReaderSource<TSkinIniFile>>(file, program);
}

std::unique_ptr<DefinitionSource> BaseSkinSource() { return std::make_unique<ReaderSource<TSkinResources>>(); }

TPixel SheetPixel(TPixel painted, int x, int y, int zoom) {
  if (painted != ColorToPixel(KeyColour)) return painted;
  const int square = 4 * zoom;
  return ((x / square) + (y / square)) % 2 ? kCheckDark : kCheckLight;
}

TBitmap PaintSheet(DefinitionSource& source, const SheetOptions& options, std::vector<SheetCell>* cells) {
  const int zoom = std::max(1, options.zoom);
  std::vector<Row> rows;
  {
    SilentTrace silent;
    for (const TButtonProperty& base : SkinResourcesTable()) rows.push_back(MakeRow(source, base));
  }

  TBitmap sheet;  // for measuring with its canvas's font
  sheet.Canvas().Font.Size = 8 * zoom;
  const int textHeight = sheet.Canvas().TextHeight("Ag");
  int nameWidth = 0;
  for (const Row& row : rows) nameWidth = std::max(nameWidth, sheet.Canvas().TextWidth(row.name));
  const int left = kMargin + nameWidth + 2 * kGap;

  // Layout: the widths of the rows, the heights with their captions.
  int width = left, height = kMargin;
  std::vector<int> tops;
  for (const Row& row : rows) {
    tops.push_back(height);
    int rowWidth = left;
    int rowHeight = 0;
    if (row.states.empty()) {
      rowWidth += std::max(row.cellWidth * zoom, sheet.Canvas().TextWidth(row.note) + 2 * kGap);
      rowHeight = std::max(row.cellHeight * zoom, textHeight + kGap);
    } else {
      for (size_t i = 0; i < row.states.size(); ++i)
        rowWidth += std::max(row.cellWidth * zoom, sheet.Canvas().TextWidth(row.captions[i])) + kGap;
      rowHeight = row.cellHeight * zoom + 2 + textHeight;  // the images and their captions
    }
    width = std::max(width, rowWidth);
    height += std::max(rowHeight, textHeight) + 2 * kGap;
  }
  width += kMargin;
  height += kMargin - kGap;

  sheet.SetSize(width, height);
  Fill(sheet, sheet.ClientRect(), kBackground);
  for (size_t r = 0; r < rows.size(); ++r) {
    const Row& row = rows[r];
    const int top = tops[r];
    Text(sheet, kMargin, top, row.name, kInk);
    if (r > 0) Fill(sheet, {kMargin, top - kGap, width - kMargin, top - kGap + 1}, 0x00E0E0E0);
    int x = left;
    if (row.states.empty()) {
      const int w = std::max(row.cellWidth * zoom, sheet.Canvas().TextWidth(row.note) + 2 * kGap);
      const int h = std::max(row.cellHeight * zoom, textHeight + kGap);
      const TRect cell{x, top, x + w, top + h};
      if (row.label) {
        Fill(sheet, cell, kLabelBackground);
        Text(sheet, x + kGap, top + (h - textHeight) / 2, row.note, row.labelColour);
      } else {
        Frame(sheet, cell, row.note == "hidden" ? kFaint : kMissing);
        if (row.note != "hidden") {
          Line(sheet, cell.Left, cell.Top, cell.Right - 1, cell.Bottom - 1, 0x00C8C8F0);
          Line(sheet, cell.Left, cell.Bottom - 1, cell.Right - 1, cell.Top, 0x00C8C8F0);
        }
        Text(sheet, x + kGap, top + (h - textHeight) / 2, row.note, row.note == "hidden" ? kFaint : kMissing);
      }
      continue;
    }
    for (size_t i = 0; i < row.states.size(); ++i) {
      const TBitmap& image = row.states[i];
      const TRect cell{x, top, x + image.Width() * zoom, top + image.Height() * zoom};
      Frame(sheet, cell, kFrame);
      for (int y = 0; y < cell.Bottom - cell.Top; ++y) {
        TPixel* out = sheet.ScanLine(cell.Top + y) + cell.Left;
        const TPixel* in = image.ScanLine(y / zoom);
        for (int px = 0; px < cell.Right - cell.Left; ++px) out[px] = SheetPixel(in[px / zoom], px, y, zoom);
      }
      Text(sheet, x, cell.Bottom + 2, row.captions[i], kFaint);
      if (cells) cells->push_back({row.name, static_cast<int>(i), cell});
      x += std::max(row.cellWidth * zoom, sheet.Canvas().TextWidth(row.captions[i])) + kGap;
    }
  }
  return sheet;
}

}  // namespace nvxskin
