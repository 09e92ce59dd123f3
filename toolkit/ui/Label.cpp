#include "toolkit/ui/Label.h"

#include <algorithm>

#include "base/ScopeGuard.h"
#include "platform/Locale.h"
#include "toolkit/graphics/TextLayout.h"

namespace nuvex {

TLabel::TLabel(TComponent* owner) : TGraphicControl(owner) {
  // A label takes no part in a click's capture, but reports clicks.
  SetControlStyle(csClickEvents | csDoubleClicks);
  TGraphicControl::SetBounds(0, 0, 65, 17);
  AdjustBounds();
}

void TLabel::SetAutoSize(bool value) {
  if (value == autoSize_) return;
  autoSize_ = value;
  AdjustBounds();
}

void TLabel::SetAlignment(TAlignment value) {
  if (value == alignment_) return;
  alignment_ = value;
  Invalidate();
}

void TLabel::SetLayout(TTextLayout value) {
  if (value == layout_) return;
  layout_ = value;
  Invalidate();
}

void TLabel::SetWordWrap(bool value) {
  if (value == wordWrap_) return;
  wordWrap_ = value;
  AdjustBounds();
  Invalidate();
}

void TLabel::SetTransparent(bool value) {
  if (value == transparent_) return;
  transparent_ = value;
  SetControlStyle(static_cast<TControlStyle>(value ? ControlStyle() & ~csOpaque : ControlStyle() | csOpaque));
  Invalidate();
}

TCanvas& TLabel::TextCanvas() {
  TCanvas& canvas = Canvas();
  canvas.Font = Font();
  return canvas;
}

std::vector<std::string> TLabel::Lines() {
  TCanvas& canvas = TextCanvas();
  const TLineAlign align = alignment_ == taRightJustify ? TLineAlign::Right
                           : alignment_ == taCenter     ? TLineAlign::Center
                                                        : TLineAlign::Left;
  return LayoutLines(Caption(), wordWrap_ ? Width() : -1,
                     [&canvas](std::string_view piece) { return canvas.TextWidth(piece); }, align,
                     GetSystemCodePage());
}

void TLabel::SetBounds(int left, int top, int width, int height) {
  TGraphicControl::SetBounds(left, top, width, height);
  AdjustBounds();
}

void TLabel::AdjustBounds() {
  if (!autoSize_ || adjusting_ || IsLoading()) return;
  ScopedValue adjusting(adjusting_, true);
  // An empty text is measured as one blank, as the window system's labels
  // measure it: the label keeps a line's height, where a click still finds it.
  const std::vector<std::string> lines = Caption().empty() ? std::vector<std::string>{" "} : Lines();
  TCanvas& canvas = TextCanvas();
  int width = 0;
  for (const std::string& line : lines) width = std::max(width, canvas.TextWidth(line));
  const int height = static_cast<int>(lines.size()) * canvas.TextHeight("Wg");
  if (wordWrap_) width = Width();
  int left = Left();
  if (alignment_ == taRightJustify && !wordWrap_) left += Width() - width;
  // Through the virtual SetBounds, so a subclass's limits bound the text's size too.
  SetBounds(left, Top(), width, height);
}

void TLabel::Loaded() {
  TGraphicControl::Loaded();
  AdjustBounds();
}

void TLabel::TextChanged() {
  AdjustBounds();
  TGraphicControl::TextChanged();
}

void TLabel::Paint() {
  TCanvas& canvas = Canvas();
  if (!transparent_) {
    canvas.Brush.Color = Color();
    canvas.Brush.Style = bsSolid;
    canvas.FillRect(ClientRect());
  }
  canvas.Brush.Style = bsClear;
  const std::vector<std::string> lines = Lines();
  const int lineHeight = canvas.TextHeight("Wg");
  const int textHeight = static_cast<int>(lines.size()) * lineHeight;
  int y = 0;
  if (layout_ == tlCenter) y = (Height() - textHeight) / 2;
  if (layout_ == tlBottom) y = Height() - textHeight;
  for (const std::string& line : lines) {
    const int width = canvas.TextWidth(line);
    int x = 0;
    if (alignment_ == taRightJustify) x = Width() - width;
    // Centred rounding down, also for a line wider than the label.
    if (alignment_ == taCenter) x = (Width() - width) >> 1;
    canvas.TextOut(x, y, line);
    y += lineHeight;
  }
}

}  // namespace nuvex
