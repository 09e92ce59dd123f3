#pragma once
// TLabel: a windowless text.  It is transparent unless told otherwise (what
// lies beneath shows between the glyphs); labels paint in creation order, so
// a later one covers an earlier one.  With AutoSize (the default) the label
// takes the size of its text whenever the text, the font or the bounds
// change, through the virtual SetBounds: without WordWrap the width follows
// the longest line (a right-aligned label keeps its right edge); with it the
// width stays and the text wraps within it, the height following the lines:
// the text renderer measures and draws wrapped text (on Windows the system's
// DrawText itself, elsewhere the portable layout of TextLayout.h).  An empty
// caption is sized as one blank.
#include <string>
#include <vector>

#include "toolkit/graphics/TextLayout.h"
#include "toolkit/ui/Control.h"

namespace nuvex {

enum TAlignment : uint8_t { taLeftJustify, taRightJustify, taCenter };
enum TTextLayout : uint8_t { tlTop, tlCenter, tlBottom };

class TLabel : public TGraphicControl {
 public:
  explicit TLabel(TComponent* owner);
  std::string ClassName() const override { return "TLabel"; }

  bool AutoSize() const { return autoSize_; }
  void SetAutoSize(bool value);
  TAlignment Alignment() const { return alignment_; }
  void SetAlignment(TAlignment value);
  TTextLayout Layout() const { return layout_; }
  void SetLayout(TTextLayout value);
  bool WordWrap() const { return wordWrap_; }
  void SetWordWrap(bool value);
  // Not transparent: the label's rectangle is filled with Color first.
  bool Transparent() const { return transparent_; }
  void SetTransparent(bool value);

  // The lines the caption is laid out in now by the portable layout (which
  // the Windows tests hold equal to the system's wrapping).
  std::vector<std::string> Lines();

  void SetBounds(int left, int top, int width, int height) override;

 protected:
  void Paint() override;
  void Loaded() override;
  void TextChanged() override;

 private:
  void AdjustBounds();
  // The canvas that measures and draws the text, with the label's font.
  TCanvas& TextCanvas();
  TLineAlign LineAlign() const;
  // Where text of that height starts, by the vertical layout.
  int TextTop(int textHeight) const;

  bool autoSize_ = true;
  bool wordWrap_ = false;
  bool transparent_ = true;
  bool adjusting_ = false;
  TAlignment alignment_ = taLeftJustify;
  TTextLayout layout_ = tlTop;
};

}  // namespace nuvex
