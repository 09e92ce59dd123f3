#include "toolkit/ui/DragSession.h"

#include <cstdlib>
#include <utility>

#include "toolkit/ui/Control.h"
#include "toolkit/ui/WinControl.h"

namespace nuvex {

namespace {

// The top-left corner of a control's client area on the screen.
TPoint ClientOrigin(TControl& control) {
  if (auto* windowed = dynamic_cast<TWinControl*>(&control)) return windowed->ClientToScreen({0, 0});
  return control.Parent()->ClientToScreen({control.Left(), control.Top()});
}

TPoint ClientPoint(TControl& control, TPoint screen) {
  const TPoint origin = ClientOrigin(control);
  return {screen.X - origin.X, screen.Y - origin.Y};
}

}  // namespace

TDragDefaults& DragDefaults() {
  static TDragDefaults defaults;
  return defaults;
}

TDragSession& TDragSession::Instance() {
  static TDragSession session;
  return session;
}

bool TDragSession::IsSource(const TControl& control) const {
  return phase_ != Phase::Idle && source_ == &control && !sourceLife_->Destroyed();
}

TControl* TDragSession::TargetAt(TPoint screen) {
  // A disabled control takes no drop; the one it stands on may.
  TWinControl* control = TWinControl::FromWindow(CurrentWindowBackend().WindowAt(screen));
  while (control && !control->Enabled()) control = control->Parent();
  if (!control) return nullptr;
  const TPoint at = ClientPoint(*control, screen);
  if (TControl* child = control->GraphicControlAt(at.X, at.Y)) return child;
  return control;
}

void TDragSession::Begin(TControl& source, bool immediate, int threshold) {
  if (IsSource(source)) return;
  if (phase_ != Phase::Idle) {
    TDestroyWatch alive(source.Life());
    Finish(false);
    // The cancelled drag's handlers may have freed this source or begun another drag.
    if (alive.Destroyed() || phase_ != Phase::Idle) return;
  }
  TWinControl* holder = dynamic_cast<TWinControl*>(&source);
  if (!holder) holder = source.Parent();
  if (!holder) return;  // a windowless control on nothing has no window to drag from
  phase_ = Phase::Pending;
  ++drag_;
  source_ = &source;
  sourceLife_.emplace(source.Life());
  holder_ = holder;
  holderLife_.emplace(holder->Life());
  target_ = nullptr;
  targetLife_.reset();
  accepted_ = false;
  start_ = pointer_;
  threshold_ = threshold < 0 ? DragDefaults().Threshold : threshold;
  source.SetMouseCapture(true);
  if (immediate) Start();
}

void TDragSession::End(bool drop) { Finish(drop); }

void TDragSession::Start() {
  phase_ = Phase::Started;
  source_->clicked_ = false;  // a drag is no click
  const unsigned drag = drag_;
  source_->DoStartDrag();
  if (!Continues(drag)) return;
  Over(pointer_);
}

bool TDragSession::Continues(unsigned drag) {
  if (drag != drag_ || phase_ != Phase::Started) return false;
  if (sourceLife_->Destroyed()) {
    Reset();
    return false;
  }
  if (targetLife_ && targetLife_->Destroyed()) {
    target_ = nullptr;
    targetLife_.reset();
    accepted_ = false;
  }
  return true;
}

bool TDragSession::Asked(TControl& target, TPoint screen, TDragState state) {
  const TPoint at = ClientPoint(target, screen);
  bool accept = static_cast<bool>(target.OnDragOver);
  target.DragOver(source_, at.X, at.Y, state, accept);
  return accept;
}

void TDragSession::Over(TPoint screen) {
  const unsigned drag = drag_;
  askedAt_ = screen;
  if (targetLife_ && targetLife_->Destroyed()) {
    target_ = nullptr;
    targetLife_.reset();
    accepted_ = false;
  }
  TControl* under = TargetAt(screen);
  if (under == target_) {
    if (under) {
      const bool accept = Asked(*under, screen, dsDragMove);
      if (!Continues(drag)) return;
      accepted_ = target_ != nullptr && accept;
    }
  } else {
    std::optional<TDestroyWatch> underLife;
    if (under) underLife.emplace(under->Life());
    TControl* left = std::exchange(target_, nullptr);
    targetLife_.reset();
    accepted_ = false;
    if (left) {
      Asked(*left, screen, dsDragLeave);
      if (!Continues(drag)) return;
    }
    if (under && !underLife->Destroyed()) {
      target_ = under;
      targetLife_.emplace(under->Life());
      const bool accept = Asked(*under, screen, dsDragEnter);
      if (!Continues(drag)) return;
      accepted_ = target_ != nullptr && accept;
    }
  }
  CurrentWindowBackend().SetCursorShape(accepted_ ? crDrag : crNoDrop);
}

void TDragSession::Finish(bool drop) {
  if (phase_ == Phase::Idle) return;
  if (phase_ == Phase::Pending || sourceLife_->Destroyed()) {
    Reset();
    return;
  }
  TControl* source = source_;
  TDestroyWatch sourceAlive(source->Life());
  TControl* target = targetLife_ && !targetLife_->Destroyed() ? target_ : nullptr;
  std::optional<TDestroyWatch> targetAlive;
  if (target) targetAlive.emplace(target->Life());
  const bool accepted = accepted_;
  const TPoint at = pointer_;
  // Idle before any handler runs: one may show a dialog or begin a new drag.
  Reset();
  TPoint local;
  if (target) {
    local = ClientPoint(*target, at);
    bool ignored = static_cast<bool>(target->OnDragOver);
    target->DragOver(source, local.X, local.Y, dsDragLeave, ignored);
    if (sourceAlive.Destroyed()) return;
    if (targetAlive->Destroyed()) target = nullptr;
  }
  TControl* dropped = nullptr;
  if (drop && accepted && target) {
    target->DragDrop(source, local.X, local.Y);
    if (sourceAlive.Destroyed()) return;
    if (!targetAlive->Destroyed()) dropped = target;
  }
  if (!dropped) local = {};
  source->DoEndDrag(dropped, local.X, local.Y);
}

void TDragSession::Reset() {
  TWinControl* holder = holderLife_ && !holderLife_->Destroyed() ? holder_ : nullptr;
  const bool started = phase_ == Phase::Started;
  phase_ = Phase::Idle;
  source_ = nullptr;
  sourceLife_.reset();
  holder_ = nullptr;
  holderLife_.reset();
  target_ = nullptr;
  targetLife_.reset();
  accepted_ = false;
  // Through TControl, whose friend the session is; the holder's own rule runs.
  if (holder) static_cast<TControl*>(holder)->SetMouseCapture(false);
  if (started) CurrentWindowBackend().SetCursorShape(crDefault);
}

bool TDragSession::Mouse(const TMouseEvent& event, TPoint screen) {
  pointer_ = screen;
  if (phase_ == Phase::Idle) return false;
  if (sourceLife_->Destroyed()) {
    Reset();
    return false;
  }
  if (phase_ == Phase::Pending) {
    const bool beyond = std::abs(screen.X - start_.X) > threshold_ || std::abs(screen.Y - start_.Y) > threshold_;
    if (event.Action == TMouseAction::Move && beyond) {
      Start();
      return true;
    }
    // Released before it moved far enough: an ordinary press and release.
    if (event.Action == TMouseAction::Up && event.Button == mbLeft) Reset();
    return false;
  }
  if (event.Action == TMouseAction::Move) {
    Over(screen);
  } else if (event.Action == TMouseAction::Up && event.Button == mbLeft) {
    const unsigned drag = drag_;
    if (!(screen == askedAt_)) Over(screen);
    if (drag == drag_ && phase_ == Phase::Started) Finish(true);
  }
  return true;
}

bool TDragSession::Key(const TKeyEvent& event) {
  if (event.Key != vkEscape) return false;
  if (!event.Down && escapeUsed_) {
    escapeUsed_ = false;
    return true;
  }
  if (!event.Down || phase_ != Phase::Started) return false;
  escapeUsed_ = true;
  Finish(false);
  return true;
}

void TDragSession::CaptureLost(const TWinControl& window) {
  if (phase_ == Phase::Idle || !holderLife_ || holderLife_->Destroyed() || &window != holder_) return;
  Finish(false);
}

}  // namespace nuvex
