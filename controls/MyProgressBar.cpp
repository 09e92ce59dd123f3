#include "controls/MyProgressBar.h"

#include <algorithm>
#include <exception>

#include "base/AssignIfChanged.h"
#include "controls/ProgressEstimate.h"
#include "language/Language.h"
#include "platform/Clock.h"
#include "platform/LocaleFormats.h"

namespace nuvex {

TMyProgressBar::TMyProgressBar(TComponent* owner) : TGraphicControl(owner) {
  // The bar paints all of itself; a double click reaches it as a second click.
  SetControlStyle(static_cast<TControlStyle>((ControlStyle() | csOpaque) & ~csDoubleClicks));
  SetBounds(Left(), Top(), 100, 20);
  RestartTiming();
}

TMyProgressBar::~TMyProgressBar() {
  if (infoLabel_) RemoveFreeNotification(infoLabel_);
  infoLabel_ = nullptr;
}

void TMyProgressBar::SetBounds(int left, int top, int width, int height) {
  TGraphicControl::SetBounds(left, top, std::max(width, kMinWidth), std::max(height, kMinHeight));
}

void TMyProgressBar::SetColorDone(TColor value) {
  if (AssignIfChanged(look_.ColorDone, value)) Changed();
}

void TMyProgressBar::SetColorToDo(TColor value) {
  if (AssignIfChanged(look_.ColorToDo, value)) Changed();
}

void TMyProgressBar::SetColorFrame(TColor value) {
  if (value == frame_.Color) return;
  frame_ = FrameColorsOf(value);
  Changed();
}

void TMyProgressBar::SetBorderWidth(uint8_t value) {
  if (AssignIfChanged(look_.BorderWidth, value)) Changed();
}

void TMyProgressBar::SetShowPercentage(bool value) {
  if (AssignIfChanged(look_.ShowPercentage, value)) Changed();
}

void TMyProgressBar::SetMin(int32_t value) {
  if (range_.SetMin(value)) Changed();
}

void TMyProgressBar::SetMax(int32_t value) {
  if (range_.SetMax(value)) Changed();
}

void TMyProgressBar::SetPosition(int32_t value) {
  const TPositionChange change = range_.SetPosition(value);
  if (change == TPositionChange::None) return;
  if (change == TPositionChange::RestartTiming) {
    RestartTiming();
  } else if (change == TPositionChange::UpdateEstimate) {
    UpdateEstimate();
  }
  Changed();
  if (OnChangePosition) OnChangePosition(this);
}

void TMyProgressBar::SetStep(int32_t value) {
  if (range_.SetStep(value)) Changed();
}

void TMyProgressBar::SetInfoText(const std::string& value) {
  if (AssignIfChanged(look_.InfoText, value) && look_.ShowPercentage) Changed();
}

void TMyProgressBar::SetLinkInfoLabel(TControl* label) {
  if (label == infoLabel_) return;
  if (infoLabel_) RemoveFreeNotification(infoLabel_);
  infoLabel_ = label;
  if (infoLabel_) FreeNotification(infoLabel_);
}

void TMyProgressBar::SetFont(const TFont& value) {
  if (&value == &look_.Font || value == look_.Font) return;
  look_.Font = value;
  if (look_.ShowPercentage) Changed();
}

void TMyProgressBar::SetShape(TProgressShape value) {
  if (AssignIfChanged(look_.Shape, value)) Changed();
}

void TMyProgressBar::SetStyle(TProgressStyle value) {
  if (AssignIfChanged(look_.Style, value)) Changed();
}

void TMyProgressBar::Changed() {
  if (shown_ && IsPictureOf(*shown_, ClientWidth(), ClientHeight(), look_, range_)) return;
  painted_ = false;
  Repaint();
  // Not painted (hidden, no parent window): the screen no longer follows the bar.
  if (!painted_) shown_.reset();
}

void TMyProgressBar::Paint() {
  if (IsLoading() || IsDestroying()) return;
  const TRect area = ClientRect();
  painter_.Paint(offscreen_, area.Width(), area.Height(), look_, range_);
  TCanvas& canvas = Canvas();
  canvas.Brush.Style = bsSolid;
  canvas.CopyRect(area, offscreen_, area);
  shown_ = ProgressPictureKey(area.Width(), area.Height(), look_, range_);
  painted_ = true;
}

void TMyProgressBar::VisibleChanged() {
  shown_.reset();
  TGraphicControl::VisibleChanged();
}

void TMyProgressBar::BoundsChanged(const TRect& oldBounds) {
  shown_.reset();
  TGraphicControl::BoundsChanged(oldBounds);
}

void TMyProgressBar::Notification(TComponent* component, TOperation operation) {
  TGraphicControl::Notification(component, operation);
  if (operation == TOperation::opRemove && component == infoLabel_) infoLabel_ = nullptr;
}

void TMyProgressBar::RestartTiming() {
  TClock& clock = CurrentClock();
  try {
    startTime_ = SystemTimeToDateTime(clock.LocalTime());
  } catch (const std::exception&) {
    // A date the calendar does not hold: keep the previous start time.
  }
  startTick_ = clock.TickCount();
  UpdateEstimate();
}

void TMyProgressBar::UpdateEstimate() {
  if (!infoLabel_) return;
  std::string formatted;
  try {
    const uint32_t now = CurrentClock().TickCount();
    formatted = EstimateText(startTime_, startTick_, now, range_.Done(), range_.Total(),
                             GetLanguageText(kEstimateAtTextId), CurrentLocaleFormats());
  } catch (const std::exception&) {
    formatted.clear();  // the label shows the prefix alone
  }
  infoLabel_->SetVisible(true);
  infoLabel_->SetCaption(GetLanguageText(kEstimatePrefixTextId) + formatted);
}

}  // namespace nuvex
