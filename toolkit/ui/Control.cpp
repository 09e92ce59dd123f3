#include "toolkit/ui/Control.h"

#include <algorithm>

#include "base/AssignIfChanged.h"
#include "base/Error.h"
#include "toolkit/ui/DragSession.h"
#include "toolkit/ui/WinControl.h"

namespace nuvex {

namespace {

// Puts the paint surface back however Paint() ends.
class SurfaceScope {
 public:
  SurfaceScope(TBitmap*& slot, TBitmap& surface) : slot_(slot), previous_(slot) { slot_ = &surface; }
  ~SurfaceScope() { slot_ = previous_; }
  SurfaceScope(const SurfaceScope&) = delete;
  SurfaceScope& operator=(const SurfaceScope&) = delete;

 private:
  TBitmap*& slot_;
  TBitmap* previous_;
};

constexpr TShiftState kButtonsHeld = ssLeft | ssRight | ssMiddle;

}  // namespace

TControl::TControl(TComponent* owner) : TComponent(owner) {}

TControl::~TControl() {
  if (parent_) parent_->RemoveControl(this);
}

void TControl::SetParent(TWinControl* parent) {
  if (parent == parent_) return;
  for (const TControl* p = parent; p; p = p->parent_) {
    if (p == this) throw Error("A control cannot be placed on itself or on one of its own children");
  }
  if (parent_) parent_->RemoveControl(this);
  parent_ = parent;
  if (!parent_) return;
  if (parentFont_) ChangeFont(parent_->Font());
  parent_->InsertControl(this);
}

void TControl::SetBounds(int left, int top, int width, int height) {
  width = std::max(width, 0);
  height = std::max(height, 0);
  if (left == left_ && top == top_ && width == width_ && height == height_) return;
  const TRect old = BoundsRect();
  const bool resized = width != width_ || height != height_;
  left_ = left;
  top_ = top;
  width_ = width;
  height_ = height;
  BoundsChanged(old);
  if (resized && !IsLoading()) Resize();
  // An aligned control asked to move goes back where its alignment puts it;
  // a size along its side (an alTop control's height) is kept.
  if (align_ != alNone && parent_) parent_->AlignControls();
}

void TControl::SetAlign(TAlign value) {
  if (AssignIfChanged(align_, value) && parent_) parent_->AlignControls();
}

bool TControl::Showing() const {
  if (!visible_) return false;
  if (parent_) return parent_->Showing();
  return dynamic_cast<const TWinControl*>(this) != nullptr;
}

void TControl::ChangeVisible(bool value) {
  if (!AssignIfChanged(visible_, value)) return;
  VisibleChanged();
  if (align_ != alNone && parent_) parent_->AlignControls();
}

void TControl::SetEnabled(bool value) {
  if (AssignIfChanged(enabled_, value)) EnabledChanged();
}

void TControl::SetCaption(const std::string& value) {
  if (AssignIfChanged(caption_, value)) TextChanged();
}

void TControl::SetColor(TColor value) {
  if (AssignIfChanged(color_, value)) Invalidate();
}

void TControl::SetFont(const TFont& value) {
  parentFont_ = false;
  ChangeFont(value);
}

void TControl::ChangeFont(const TFont& value) {
  if (!AssignIfChanged(font_, value)) return;
  TextChanged();
  FontChanged();
}

void TControl::SetParentFont(bool value) {
  if (AssignIfChanged(parentFont_, value) && parentFont_ && parent_) ChangeFont(parent_->Font());
}

void TControl::SetHint(const std::string& value) {
  if (AssignIfChanged(hint_, value)) UpdateHint();
}

bool TControl::ShowHint() const {
  if (parentShowHint_ && parent_) return parent_->ShowHint();
  return showHint_;
}

void TControl::SetShowHint(bool value) {
  if (value == showHint_ && !parentShowHint_) return;
  showHint_ = value;
  parentShowHint_ = false;
  UpdateHint();
}

void TControl::SetParentShowHint(bool value) {
  if (AssignIfChanged(parentShowHint_, value)) UpdateHint();
}

void TControl::UpdateHint() {
  // A windowless control's hint is an area of its parent's window.
  if (!parent_ || !parent_->HandleAllocated()) return;
  const bool shown = visible_ && ShowHint() && !hint_.empty();
  parent_->Window().SetHint(reinterpret_cast<uintptr_t>(this), BoundsRect(), shown ? hint_ : std::string());
}

void TControl::Invalidate() {
  if (parent_ && visible_) parent_->InvalidateRect(BoundsRect());
}

void TControl::Repaint() {
  if (!Showing() || !parent_ || !parent_->HandleAllocated()) return;
  parent_->RepaintRect(BoundsRect());
}

TCanvas& TControl::Canvas() { return (paintSurface_ ? *paintSurface_ : scratchSurface_).Canvas(); }

void TControl::PaintTo(TBitmap& surface) {
  SurfaceScope scope(paintSurface_, surface);
  Paint();
}

void TControl::DispatchMouse(const TMouseEvent& event) {
  // A handler may free this control: after one runs, nothing of it is read
  // unless the watch says it still lives.
  TDestroyWatch alive(Life());
  TMouseEvent e = event;
  switch (e.Action) {
    case TMouseAction::Down:
      if (e.DoubleClick() && !(controlStyle_ & csDoubleClicks)) e.Shift &= static_cast<TShiftState>(~ssDouble);
      if (controlStyle_ & csCaptureMouse) SetMouseCapture(true);
      if (e.Button == mbLeft && (controlStyle_ & csClickEvents)) {
        if (e.DoubleClick()) {
          DblClick();
          if (alive.Destroyed()) return;
        } else {
          clicked_ = true;
        }
      }
      MouseDown(e.Button, e.Shift, e.X, e.Y);
      if (alive.Destroyed()) return;
      if (e.Button == mbLeft && !e.DoubleClick() && dragMode_ == dmAutomatic && !Dragging()) {
        BeginDrag(DragDefaults().Immediate);
      }
      break;
    case TMouseAction::Up:
      if ((controlStyle_ & csCaptureMouse) && !(e.Shift & kButtonsHeld)) SetMouseCapture(false);
      if (e.Button == mbLeft && clicked_) {
        clicked_ = false;
        if (ClientRect().Contains(e.X, e.Y)) Click();
        if (alive.Destroyed()) return;
      }
      MouseUp(e.Button, e.Shift, e.X, e.Y);
      break;
    case TMouseAction::Move:
      MouseMove(e.Shift, e.X, e.Y);
      break;
  }
}

void TControl::Click() { OnClick(this); }
void TControl::DblClick() { OnDblClick(this); }
void TControl::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  OnMouseDown(this, button, shift, x, y);
}
void TControl::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
  OnMouseUp(this, button, shift, x, y);
}
void TControl::MouseMove(TShiftState shift, int x, int y) { OnMouseMove(this, shift, x, y); }
void TControl::MouseEnter() { OnMouseEnter(this); }
void TControl::MouseLeave() { OnMouseLeave(this); }
void TControl::Resize() { OnResize(this); }

void TControl::BeginDrag(bool immediate, int threshold) { TDragSession::Instance().Begin(*this, immediate, threshold); }

void TControl::EndDrag(bool drop) {
  if (Dragging()) TDragSession::Instance().End(drop);
}

bool TControl::Dragging() const { return TDragSession::Instance().IsSource(*this); }

void TControl::DragOver(TObject* source, int x, int y, TDragState state, bool& accept) {
  OnDragOver(this, source, x, y, state, accept);
}
void TControl::DragDrop(TObject* source, int x, int y) { OnDragDrop(this, source, x, y); }
void TControl::DoStartDrag() { OnStartDrag(this); }
void TControl::DoEndDrag(TObject* target, int x, int y) { OnEndDrag(this, target, x, y); }

void TControl::VisibleChanged() {
  if (parent_) parent_->InvalidateRect(BoundsRect());
  if (!hint_.empty()) UpdateHint();
}

void TControl::EnabledChanged() { Invalidate(); }

void TControl::TextChanged() { Invalidate(); }

void TControl::BoundsChanged(const TRect& oldBounds) {
  if (parent_ && visible_) {
    parent_->InvalidateRect(oldBounds);
    parent_->InvalidateRect(BoundsRect());
  }
  if (!hint_.empty()) UpdateHint();
}

void TControl::SetMouseCapture(bool capture) {
  // A windowless control captures through its parent's window; the parent
  // already sends it everything until the release.
  if (parent_) parent_->SetMouseCapture(capture);
}

void TControl::Notification(TComponent* component, TOperation operation) {
  TComponent::Notification(component, operation);
}

}  // namespace nuvex
