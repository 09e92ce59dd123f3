#pragma once
// TMyProgressBar: the windowless progress bar the installer window shows
// while a packed file is unpacked.  It paints a "to do" fill, a "done" block
// whose width follows Position, an optional centred percentage text and a
// one-pixel bevel frame (controls/ProgressPicture.h).  It can keep a linked
// label up to date with the estimated date and time of completion.
//
// The bar is opaque and every effective change repaints it at once into its
// parent's surface, so it moves while its caller runs a long loop that
// handles no window messages.  A change that leaves the picture on screen as
// it is (the same done width, text, size and colours) paints nothing, which
// keeps frequent position reports cheap.
#include <cstdint>
#include <optional>
#include <string>

#include "base/DateTime.h"
#include "controls/ProgressPainter.h"
#include "controls/ProgressPicture.h"
#include "controls/ProgressRange.h"
#include "toolkit/graphics/Bitmap.h"
#include "toolkit/ui/Control.h"

namespace nuvex {

class TMyProgressBar : public TGraphicControl {
 public:
  static constexpr int kMinWidth = 10;
  static constexpr int kMinHeight = 4;

  // 100 x 20 pixels, Min 0, Max 100, Position 0; timing starts now.
  explicit TMyProgressBar(TComponent* owner);
  ~TMyProgressBar() override;

  std::string ClassName() const override { return "TMyProgressBar"; }

  // Widths below kMinWidth and heights below kMinHeight are raised to them.
  void SetBounds(int left, int top, int width, int height) override;

  TColor ColorDone() const { return look_.ColorDone; }
  void SetColorDone(TColor value);
  TColor ColorToDo() const { return look_.ColorToDo; }
  void SetColorToDo(TColor value);
  // Kept with its light and dark shades; the frame itself is always drawn in
  // the two system colours of Style.
  TColor ColorFrame() const { return frame_.Color; }
  const TFrameColors& FrameColors() const { return frame_; }
  void SetColorFrame(TColor value);
  // Inset of the done block on all four sides.
  uint8_t BorderWidth() const { return look_.BorderWidth; }
  void SetBorderWidth(uint8_t value);
  bool ShowPercentage() const { return look_.ShowPercentage; }
  void SetShowPercentage(bool value);

  int32_t Min() const { return range_.Min(); }
  void SetMin(int32_t value);
  int32_t Max() const { return range_.Max(); }
  void SetMax(int32_t value);
  int32_t Position() const { return range_.Position(); }
  // Clamped to Min..Max.  An effective change restarts timing when the new
  // position is Min, refreshes the estimate when it is below 4 or divisible
  // by 4, repaints, and then fires OnChangePosition.
  void SetPosition(int32_t value);
  int32_t Step() const { return range_.Step(); }
  void SetStep(int32_t value);

  // Put before the percentage number.
  const std::string& InfoText() const { return look_.InfoText; }
  void SetInfoText(const std::string& value);

  // The label that shows the estimate (not owned).  When the label is
  // destroyed first, the link is dropped.
  TControl* LinkInfoLabel() const { return infoLabel_; }
  void SetLinkInfoLabel(TControl* label);

  // The font of the percentage text.  It is the bar's own: the inherited
  // control font (TControl::Font) is never used for drawing.
  const TFont& Font() const override { return look_.Font; }
  void SetFont(const TFont& value) override;

  TProgressShape Shape() const { return look_.Shape; }
  void SetShape(TProgressShape value);
  TProgressStyle Style() const { return look_.Style; }
  void SetStyle(TProgressStyle value);

  TNotifyEvent OnChangePosition;

  // Start of the current timing: local date-time and tick counter.
  TDateTime StartTime() const { return startTime_; }
  uint32_t StartTick() const { return startTick_; }

 protected:
  void Paint() override;
  void VisibleChanged() override;
  void BoundsChanged(const TRect& oldBounds) override;
  void Notification(TComponent* component, TOperation operation) override;

 private:
  // Repaints unless the picture on screen already is the one the bar would paint.
  void Changed();
  void RestartTiming();
  void UpdateEstimate();

  TBitmap offscreen_;
  TProgressPainter painter_;
  TProgressLook look_;
  TFrameColors frame_;
  TProgressRange range_;
  uint32_t startTick_ = 0;
  TDateTime startTime_ = 0;
  TControl* infoLabel_ = nullptr;
  // The picture last painted; empty when the screen may show something else.
  std::optional<TProgressPictureKey> shown_;
  bool painted_ = false;
};

}  // namespace nuvex
