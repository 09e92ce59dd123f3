#pragma once
// TImage: a windowless picture (a decoded BMP or JPEG).  With AutoSize it
// takes the picture's size whenever the picture or the bounds change;
// otherwise the picture is drawn at its own size from the top-left corner,
// or scaled to the whole control with Stretch.
#include <string>

#include "toolkit/graphics/Bitmap.h"
#include "toolkit/ui/Control.h"

namespace nuvex {

class TImage : public TGraphicControl {
 public:
  explicit TImage(TComponent* owner);
  std::string ClassName() const override { return "TImage"; }

  const TBitmap& Picture() const { return picture_; }
  // The picture is copied in.
  void SetPicture(const TBitmap& value);
  bool AutoSize() const { return autoSize_; }
  void SetAutoSize(bool value);
  bool Stretch() const { return stretch_; }
  void SetStretch(bool value);

  void SetBounds(int left, int top, int width, int height) override;

 protected:
  void Paint() override;

 private:
  void AdjustSize();

  TBitmap picture_;
  bool autoSize_ = false;
  bool stretch_ = false;
  bool adjusting_ = false;
};

}  // namespace nuvex
