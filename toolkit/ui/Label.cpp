#include "toolkit/ui/Label.h"

#include <algorithm>

#include "base/AssignIfChanged.h"
#include "base/ScopeGuard.h"
#include "platform/Locale.h"
#include "toolkit/graphics/TextLayout.h"
#include "toolkit/graphics/TextRenderer.h"

namespace nuvex {

TLabel::TLabel(TComponent* owner) : TGraphicControl(owner) {
  // A label takes no part in a click's capture, but reports clicks.
  SetControlStyle(csClickEvents | csDoubleClicks);
  TGraphicControl::SetBounds(0, 0, 65, 17);
  AdjustBounds();
}

void TLabel::SetAutoSize(bool value) {
  if (AssignIfChanged(autoSize_, value)) AdjustBounds();
}

void TLabel::SetAlignment(TAlignment value) {
  if (AssignIfChanged(alignment_, value)) Invalidate();
}

void TLabel::SetLayout(TTextLayout value) {
  if (AssignIfChanged(layout_, value)) Invalidate();
}

void TLabel::SetWordWrap(bool value) {
  if (!AssignIfChanged(wordWrap_, value)) return;
  AdjustBounds();
  Invalidate();
}

void TLabel::SetTransparent(bool value) {
  if (!AssignIfChanged(transparent_, value)) return;
  SetControlStyle(static_cast<TControlStyle>(value ? ControlStyle() & ~csOpaque : ControlStyle() | csOpaque));
  Invalidate();
}

TCanvas& TLabel::TextCanvas() {
  TCanvas& canvas = Canvas();
  canvas.Font = Font();
  return canvas;
}

TLineAlign TLabel::LineAlign() const {
  return alignment_ == taRightJustify ? TLineAlign::Right
         : alignment_ == taCenter     ? TLineAlign::Center
                                      : TLineAlign::Left;
}

std::vector<std::string> TLabel::Lines() {
  TCanvas& canvas = TextCanvas();
  return LayoutLines(Caption(), wordWrap_ ? Width() : -1,
                     [&canvas](std::string_view piece) { return canvas.TextWidth(piece); }, LineAlign(),
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
  TCanvas& canvas = TextCanvas();
  // Through the virtual SetBounds, so a subclass's limits bound the text's size too.
  if (wordWrap_) {
    const std::string text = Caption().empty() ? std::string(" ") : Caption();
    const TSize size = CurrentTextRenderer().MeasureWrapped(canvas.Font, text, Width(), LineAlign());
    SetBounds(Left(), Top(), Width(), size.cy);
    return;
  }
  const std::vector<std::string> lines = Caption().empty() ? std::vector<std::string>{" "} : Lines();
  int width = 0;
  for (const std::string& line : lines) width = std::max(width, canvas.TextWidth(line));
  const int height = static_cast<int>(lines.size()) * canvas.TextHeight("Wg");
  const int left = alignment_ == taRightJustify ? Left() + Width() - width : Left();
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

int TLabel::TextTop(int textHeight) const {
  if (layout_ == tlCenter) return (Height() - textHeight) / 2;
  if (layout_ == tlBottom) return Height() - textHeight;
  return 0;
}

void TLabel::Paint() {
  TCanvas& canvas = TextCanvas();
  if (!transparent_) {
    canvas.Brush.Color = Color();
    canvas.Brush.Style = bsSolid;
    canvas.FillRect(ClientRect());
  }
  canvas.Brush.Style = bsClear;
  if (wordWrap_) {
    // Wrapped text is the renderer's to lay out: on Windows the system's
    // DrawText wraps it, so the label shows the system's own lines.
    TTextRenderer& renderer = CurrentTextRenderer();
    const int textHeight = renderer.MeasureWrapped(canvas.Font, Caption(), Width(), LineAlign()).cy;
    const int y = TextTop(textHeight);
    renderer.DrawWrapped(canvas.Bitmap(), Rect(0, y, Width(), y + textHeight), canvas.Font, Caption(),
                         LineAlign());
    return;
  }
  const std::vector<std::string> lines = Lines();
  const int lineHeight = canvas.TextHeight("Wg");
  int y = TextTop(static_cast<int>(lines.size()) * lineHeight);
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
