#pragma once
// TStatePictureControl<Base>: the state-picture behaviour of the regioned
// control (Base = TCustomControl) and the regioned form (Base = TForm).  The
// window shows one state image of a strip bitmap (Buttons) and takes its
// shape: the image is rendered at ButtonWidth x ButtonHeight into a picture
// buffer (RenderedImage) with PaintBitmap, painting only copies the buffer,
// and the window's region is built from the buffer, so key-coloured pixels
// are holes that show what lies behind and take no mouse input.
//
// Layout: ButtonWidth x ButtonHeight is the window's size whenever its
// layout is applied, at SavedLeft/SavedTop; the rules say where that is.
//
// Setters compare, store and update what depends on the value; while the
// window is loading the layout and the region wait for Loaded().
//
// It is a base over the window class rather than a member because the form
// reader's class tables bind these setters as members of the regioned
// classes, and because it answers the window's own Paint and Resize.
#include <cstdint>
#include <memory>
#include <string>

#include "base/AssignIfChanged.h"
#include "skin/ButtonProperty.h"
#include "skin/SkinTypes.h"
#include "skin/StateImage.h"
#include "toolkit/graphics/Bitmap.h"
#include "toolkit/ui/Form.h"
#include "toolkit/ui/WinControl.h"

namespace nuvex {

// Where the regioned control and the regioned form part ways; nothing else
// of the behaviour differs between them.
struct TStatePictureRules {
  // SetButtonIndex takes 0 .. ButtonCount - 1, and with this ButtonCount
  // itself too, which shows the plain Color (a form).
  bool IndexMayEqualCount;
  // A layout leaves the window where it stands (a form) instead of moving it
  // back to the saved place: the skin's, or where loading left it (a control).
  bool LayoutKeepsPresentPlace;
  // While the picture buffer is empty, painting fills the window with Color
  // (a form) instead of leaving it as it is.
  bool PaintFillsEmptyPicture;
  // The trace line of a shape the window cannot take.
  const char* RegionTrace;
};

template <typename Base>
class TStatePictureControl : public Base {
 public:
  // The strip; nullptr while it is missing (after the skin manager was unlinked).
  const TBitmap* Buttons() const { return buttons_.get(); }
  // nullptr is ignored; any picture (an equal one too) is copied in and laid out.
  void SetButtons(const TBitmap* value);
  int32_t ButtonIndex() const { return image_.ButtonIndex; }
  // Accepted only for an image of the strip (see IndexMayEqualCount).
  void SetButtonIndex(int32_t value);
  int32_t ButtonCount() const { return image_.ButtonCount; }
  void SetButtonCount(int32_t value) { SetLayoutValue(image_.ButtonCount, value); }
  int32_t ButtonWidth() const { return image_.ButtonWidth; }
  void SetButtonWidth(int32_t value) { SetLayoutValue(image_.ButtonWidth, value); }
  int32_t ButtonHeight() const { return image_.ButtonHeight; }
  void SetButtonHeight(int32_t value) { SetLayoutValue(image_.ButtonHeight, value); }
  int32_t LeftMargin() const { return image_.LeftMargin; }
  void SetLeftMargin(int32_t value) { SetLayoutValue(image_.LeftMargin, value); }
  int32_t TopMargin() const { return image_.TopMargin; }
  void SetTopMargin(int32_t value) { SetLayoutValue(image_.TopMargin, value); }
  int32_t RightMargin() const { return image_.RightMargin; }
  void SetRightMargin(int32_t value) { SetLayoutValue(image_.RightMargin, value); }
  int32_t BottomMargin() const { return image_.BottomMargin; }
  void SetBottomMargin(int32_t value) { SetLayoutValue(image_.BottomMargin, value); }
  TSplitMode SplitMode() const { return image_.SplitMode; }
  void SetSplitMode(TSplitMode value) { SetLayoutValue(image_.SplitMode, value); }
  TInteriorArea InteriorArea() const { return image_.InteriorArea; }
  void SetInteriorArea(TInteriorArea value) { SetLayoutValue(image_.InteriorArea, value); }
  bool Transparent() const { return transparent_; }
  void SetTransparent(bool value);
  // The fill of the picture when no image can be shown; not the window's
  // own background colour (TControl::Color).
  TColor Color() const override { return fillColor_; }
  void SetColor(TColor value) override;

  // "<parent name>.<name>", or the name alone without a parent.
  std::string ControlName() const;

  const TBitmap& RenderedImage() const { return renderedImage_; }
  int32_t SavedLeft() const { return savedLeft_; }
  int32_t SavedTop() const { return savedTop_; }

 protected:
  TStatePictureControl(TComponent* owner, const TStatePictureRules& rules);

  // Back to the values of a window just made (an empty strip and buffer,
  // image 0 of none, transparent, white), at its client size and place.
  void ResetStatePicture();
  // Follows the skin manager's link: with a manager the strip is there;
  // without one the strip goes and no image is chosen.  Renders and shapes.
  void ManagerLinked(bool linked);
  // Takes a skin definition's picture and layout and its place as the
  // saved one; an index outside the strip starts again at image 0.  The
  // caller renders and places (RenderImage, PlaceAndShape).
  void TakeOverDefinition(const TButtonProperty& definition);
  // The image values, the strip and Transparent at once, then one layout.
  void TakeStatePicture(const TStateImage& image, const TBitmap& strip, bool transparent);
  // The index a layout starts from, for a handler that picks it.
  int32_t& StartIndex() { return image_.ButtonIndex; }

  // Paints the current state image into the picture buffer.
  void RenderImage();
  // Gives the window the shape of the picture buffer.
  void UpdateRegion();
  // Applies the layout: renders, places and shapes.
  void UpdateButtons();
  // Puts the window at its layout's place and size and shapes it once; then
  // asks for a repaint.
  void PlaceAndShape();

  // Saves the place loading left; an index outside the strip starts again at image 0.
  void Loaded() override;
  void Paint() override;
  void Resize() override;
  void EraseBackground(TBitmap& surface) override;

 private:
  // A layout value: stored, and the layout applied when it changed.
  template <typename T>
  void SetLayoutValue(T& field, T value) {
    if (AssignIfChanged(field, value)) UpdateButtons();
  }
  void StartWithinStrip();
  // The saved place becomes the one asked for, or where the window stands.
  void SavePlace(int32_t left, int32_t top);

  TStatePictureRules rules_;
  std::unique_ptr<TBitmap> buttons_;
  TStateImage image_;
  TBitmap renderedImage_;
  int32_t savedLeft_ = 0;
  int32_t savedTop_ = 0;
  bool transparent_ = true;
  TColor fillColor_ = clWhite;
  bool layingOut_ = false;  // a layout is sizing the window: its shape comes once, at the end
};

extern template class TStatePictureControl<TCustomControl>;
extern template class TStatePictureControl<TForm>;

}  // namespace nuvex
