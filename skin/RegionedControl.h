#pragma once
// TRegionedCustomControl: a windowed control that shows one state image of a
// strip bitmap (Buttons) and takes the shape of that image.  The current
// image is rendered at the control's size into a picture buffer
// (RenderedImage) with PaintBitmap; painting only copies the buffer, and the
// window's region is built from the buffer with GetNewRegion, so key-coloured
// pixels are holes that show the parent and take no mouse input.
//
// Layout: ButtonWidth x ButtonHeight is the control's size whenever its
// layout is applied (UpdateButtons, ApplySkin), and SavedLeft/SavedTop its
// position then; a control moved in between goes back there.
//
// Visibility: the program's wish (SafeVisible) is kept apart from the skin's
// permission (SkinVisible); the control is visible only when both allow it.
//
// Setters compare, store and update what depends on the value; while the
// control is loading the layout and the region wait for Loaded().
#include <cstdint>
#include <memory>
#include <string>

#include "base/Event.h"
#include "skin/ButtonProperty.h"
#include "skin/SkinClient.h"
#include "skin/SkinManagerLink.h"
#include "skin/SkinTypes.h"
#include "skin/StateImage.h"
#include "toolkit/graphics/Bitmap.h"
#include "toolkit/ui/WinControl.h"

namespace nuvex {

// May change the image index (by reference) before a layout is applied.
using TBeforeLoadButtonsEvent = Event<TObject*, int32_t&>;

inline constexpr const char* kRegionedControlRegionError =
    "[TRegionedCustomControl.Resize] Error: GetNewRegion returned 0. Button cannot be transparent";

class TRegionedCustomControl : public TCustomControl, public TSkinClient {
 public:
  explicit TRegionedCustomControl(TComponent* owner);
  // Withdraws from its skin manager.
  ~TRegionedCustomControl() override = default;
  std::string ClassName() const override { return "TRegionedCustomControl"; }

  // The strip; nullptr while it is missing (after the skin manager was unlinked).
  const TBitmap* Buttons() const { return buttons_.get(); }
  // nullptr is ignored; any picture (an equal one too) is copied in and laid out.
  void SetButtons(const TBitmap* value);
  int32_t ButtonIndex() const { return image_.ButtonIndex; }
  // Accepted only for 0 <= value < ButtonCount.
  void SetButtonIndex(int32_t value);
  int32_t ButtonCount() const { return image_.ButtonCount; }
  void SetButtonCount(int32_t value);
  int32_t ButtonWidth() const { return image_.ButtonWidth; }
  void SetButtonWidth(int32_t value);
  int32_t ButtonHeight() const { return image_.ButtonHeight; }
  void SetButtonHeight(int32_t value);
  int32_t LeftMargin() const { return image_.LeftMargin; }
  void SetLeftMargin(int32_t value);
  int32_t TopMargin() const { return image_.TopMargin; }
  void SetTopMargin(int32_t value);
  int32_t RightMargin() const { return image_.RightMargin; }
  void SetRightMargin(int32_t value);
  int32_t BottomMargin() const { return image_.BottomMargin; }
  void SetBottomMargin(int32_t value);
  TSplitMode SplitMode() const { return image_.SplitMode; }
  void SetSplitMode(TSplitMode value);
  TInteriorArea InteriorArea() const { return image_.InteriorArea; }
  void SetInteriorArea(TInteriorArea value);
  bool Transparent() const { return transparent_; }
  void SetTransparent(bool value);
  // The fill of the picture when no image can be shown; not the control's
  // own background colour (TControl::Color).
  TColor Color() const override { return fillColor_; }
  void SetColor(TColor value) override;

  // Visible() gives the real visibility.  Writing records the wish in
  // SafeVisible and makes it real only while the skin allows it.
  void SetVisible(bool value) override;
  bool SafeVisible() const { return safeVisible_; }
  bool SkinVisible() const { return skinVisible_; }
  // The skin manager clears it when the selected skin has no definition.
  void SetSkinVisible(bool value) { skinVisible_ = value; }

  TSkinManagerLink* SkinManager() const { return registration_.Manager(); }
  void SetSkinManager(TSkinManagerLink* value);
  // "<parent name>.<name>", or the name alone without a parent.
  std::string ControlName() const override;

  const TBitmap& RenderedImage() const { return renderedImage_; }
  int32_t SavedLeft() const { return savedLeft_; }
  int32_t SavedTop() const { return savedTop_; }

  // Takes over one skin definition from the skin manager.
  void ApplySkin(const TButtonProperty& property) override;
  // A skin change hides the control plainly and then shows it as its wish
  // and the skin allow; a skin without its definition keeps it hidden.
  void HideForSkinChange() override { Hide(); }
  void ShowAfterSkinChange() override { SetVisible(SafeVisible()); }
  void SkinDefinitionMissing() override { SetSkinVisible(false); }

  // Outside a designer the bounds are set as asked and the saved position
  // stays, so the next layout moves the control back.
  void SetBounds(int left, int top, int width, int height) override;

  TBeforeLoadButtonsEvent OnBeforeLoadButtons;
  TNotifyEvent OnAfterLoadButtons;

 protected:
  virtual void DoBeforeLoadButtons(int32_t& index);
  virtual void DoAfterLoadButtons();

  // Paints the current state image into the picture buffer.
  void RenderImage();
  // Gives the window the shape of the picture buffer.
  void UpdateRegion();
  // Applies the layout: renders, sizes, moves back to the saved position, shapes.
  void UpdateButtons();

  void Loaded() override;
  void Paint() override;
  void Resize() override;
  void EraseBackground(TBitmap& surface) override;
  void Notification(TComponent* component, TOperation operation) override;

 private:
  // Moves back to the saved position at the picture's size and shapes the
  // window; then asks for a repaint.
  void PlaceAndShape();

  std::unique_ptr<TBitmap> buttons_;
  TStateImage image_;
  TBitmap renderedImage_;
  int32_t savedLeft_ = 0;
  int32_t savedTop_ = 0;
  bool skinVisible_ = true;
  bool transparent_ = true;
  TColor fillColor_ = clWhite;
  bool safeVisible_ = true;
  TSkinRegistration registration_{*this};
  bool layingOut_ = false;  // a layout is sizing the control: its shape comes once, at the end
};

}  // namespace nuvex
