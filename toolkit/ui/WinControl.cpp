#include "toolkit/ui/WinControl.h"

#include <algorithm>
#include <unordered_map>

#include "base/ScopeGuard.h"
#include "toolkit/ui/Application.h"
#include "toolkit/ui/Layout.h"
#include "toolkit/ui/WindowEvents.h"

namespace nuvex {

namespace {

// Which control each window serves: a drag finds its target by window.
// Never destroyed: forms owned by longer-lived statics (the application
// object) give their windows back after the end of main.
std::unordered_map<const TNativeWindow*, TWinControl*>& WindowOwners() {
  static auto* const owners = new std::unordered_map<const TNativeWindow*, TWinControl*>();
  return *owners;
}

}  // namespace

TWinControl* TWinControl::FromWindow(const TNativeWindow* window) {
  if (!window) return nullptr;
  const auto found = WindowOwners().find(window);
  return found == WindowOwners().end() ? nullptr : found->second;
}

void TWinControl::ReleaseWindow() {
  if (!window_) return;
  WindowOwners().erase(window_.get());
  window_.reset();
}

TWinControl::TWinControl(TComponent* owner) : TControl(owner) {}

TWinControl::~TWinControl() {
  // Leave the parent while this is still a windowed control, so that the
  // parent forgets it in every list (tab order too); by ~TControl it would
  // meet a plain control.
  if (Parent()) TControl::SetParent(nullptr);
  // The children's windows live inside ours: take them down first, and let
  // the children go, so none reaches back into a control being destroyed.
  for (TWinControl* windowed : windowed_) windowed->DestroyHandle();
  for (TControl* child : controls_) child->parent_ = nullptr;
  controls_.clear();
  graphic_.clear();
  windowed_.clear();
  tabList_.clear();
  mouseControl_ = nullptr;
  hoverControl_ = nullptr;
  ReleaseWindow();
}

void TWinControl::InsertControl(TControl* control) {
  controls_.push_back(control);
  if (control->Align() != alNone) AlignControls();
  if (auto* windowed = dynamic_cast<TWinControl*>(control)) {
    windowed_.push_back(windowed);
    tabList_.push_back(windowed);
    if (window_) windowed->HandleNeeded();
  } else {
    graphic_.push_back(control);
    control->Invalidate();
    if (!control->Hint().empty()) control->UpdateHint();
  }
}

void TWinControl::RemoveControl(TControl* control) {
  auto found = std::find(controls_.begin(), controls_.end(), control);
  if (found == controls_.end()) return;
  controls_.erase(found);
  if (mouseControl_ == control) mouseControl_ = nullptr;
  if (hoverControl_ == control) hoverControl_ = nullptr;
  if (const auto windowed = std::find(windowed_.begin(), windowed_.end(), control); windowed != windowed_.end()) {
    TWinControl* child = *windowed;
    windowed_.erase(windowed);
    std::erase(tabList_, child);
    child->DestroyHandle();
    return;
  }
  std::erase(graphic_, control);
  if (control->Visible()) InvalidateRect(control->BoundsRect());
  if (window_ && !control->Hint().empty()) window_->SetHint(reinterpret_cast<uintptr_t>(control), {}, {});
}

void TWinControl::SetParent(TWinControl* parent) {
  if (parent == Parent()) return;
  // A window cannot move between parents here: it is made anew under the
  // new parent (the region and the text go with it).
  DestroyHandle();
  TControl::SetParent(parent);
  if (parent && parent->HandleAllocated()) HandleNeeded();
}

void TWinControl::HandleNeeded() {
  if (window_) return;
  if (Parent()) {
    Parent()->HandleNeeded();  // makes ours too
    if (window_) return;
  }
  CreateWindowNow();
}

TNativeWindow& TWinControl::Window() {
  HandleNeeded();
  return *window_;
}

void TWinControl::DestroyHandle() {
  if (!window_) return;
  for (TWinControl* windowed : windowed_) windowed->DestroyHandle();
  // The window knows its text (an edit box's contents): keep it.
  TControl::caption_ = window_->Text();
  ReleaseWindow();
}

void TWinControl::CreateParams(TWindowParams& params) {
  params.Kind = WindowKind();
  params.Text = TControl::caption_;
  params.Bounds = WindowBounds();
  params.Visible = Visible();
  params.Enabled = Enabled();
  params.TabStop = tabStop_;
}

TRect TWinControl::WindowBounds() const { return BoundsRect(); }

void TWinControl::CreateWindowNow() {
  TWindowParams params;
  CreateParams(params);
  TNativeWindow* parentWindow = Parent() ? Parent()->window_.get() : nullptr;
  window_ = CurrentWindowBackend().NewWindow(*this, parentWindow, params);
  WindowOwners()[window_.get()] = this;
  window_->SetFont(Font());
  // A shape the window system refuses now leaves the window whole.
  if (region_ && !window_->SetRegion(region_, false)) region_.reset();
  WindowCreated();
  if (!Hint().empty()) UpdateOwnHint();
  for (TWinControl* windowed : windowed_) {
    if (!windowed->window_) windowed->CreateWindowNow();
  }
  for (TControl* child : graphic_) {
    if (!child->Hint().empty()) child->UpdateHint();
  }
}

void TWinControl::UpdateOwnHint() {
  if (!window_) return;
  const bool shown = Visible() && ShowHint() && !Hint().empty();
  window_->SetHint(0, ClientRect(), shown ? Hint() : std::string());
}

void TWinControl::UpdateHint() {
  UpdateOwnHint();
  // The children that take ShowHint from here.
  for (TControl* child : controls_) {
    if (child->ParentShowHint()) child->UpdateHint();
  }
}

void TWinControl::FontChanged() {
  for (TControl* child : controls_) {
    if (child->ParentFont()) child->ChangeFont(Font());
  }
}

void TWinControl::AnchorControls(int dx, int dy) {
  if (dx == 0 && dy == 0) return;
  for (TControl* child : controls_) {
    if (child->Align() != alNone || child->Anchors() == (akLeft | akTop)) continue;
    const TRect b = Anchored(child->BoundsRect(), child->Anchors(), dx, dy);
    child->SetBounds(b.Left, b.Top, b.Width(), b.Height());
  }
}

void TWinControl::SizeChanged(TSize old) {
  AlignControls();
  AnchorControls(Width() - old.cx, Height() - old.cy);
  if (!Hint().empty()) UpdateOwnHint();
}

TSize TWinControl::FrameSize() const {
  // Known before the window exists, so that a form read from its
  // description can take its client size without making its window.
  if (window_) return window_->FrameSize();
  return Parent() ? TSize{} : CurrentWindowBackend().FrameSize(WindowKind());
}

int TWinControl::ClientWidth() const { return std::max(0, Width() - FrameSize().cx); }

int TWinControl::ClientHeight() const { return std::max(0, Height() - FrameSize().cy); }

void TWinControl::SetClientSize(int width, int height) {
  const TSize frame = FrameSize();
  SetBounds(Left(), Top(), width + frame.cx, height + frame.cy);
}

TPoint TWinControl::ClientToScreen(TPoint point) { return Window().ClientToScreen(point); }

void TWinControl::SetEnabled(bool value) { TControl::SetEnabled(value); }

std::string TWinControl::Caption() const { return window_ ? window_->Text() : TControl::caption_; }

void TWinControl::Invalidate() {
  if (window_) window_->Invalidate(nullptr);
}

void TWinControl::Repaint() {
  if (!window_ || !Showing()) return;
  window_->Invalidate(nullptr);
  window_->Update();
}

void TWinControl::InvalidateRect(const TRect& rect) {
  if (window_ && !rect.IsEmpty()) window_->Invalidate(&rect);
}

void TWinControl::RepaintRect(const TRect& rect) {
  if (window_ && Showing() && !rect.IsEmpty()) window_->PaintNow(rect);
}

void TWinControl::Update() {
  if (window_) window_->Update();
}

bool TWinControl::SetWindowRegion(const std::optional<TRegion>& region, bool redraw) {
  // Without a window the shape waits: the window is made with it.  Making
  // one here would show a parentless control as a popup, or a form in the
  // middle of its loading.
  if (window_ && !window_->SetRegion(region, redraw)) return false;
  region_ = region;
  return true;
}

void TWinControl::EraseBackground(TBitmap& surface) {
  surface.Canvas().Brush.Color = TControl::Color();
  surface.Canvas().Brush.Style = bsSolid;
  surface.Canvas().FillRect(surface.ClientRect());
}

void TWinControl::PaintClient(TBitmap& surface, const TRect& area) {
  // An opaque child that covers the whole area hides everything beneath it.
  size_t first = 0;
  bool covered = false;
  for (size_t i = graphic_.size(); i-- > 0;) {
    const TControl* child = graphic_[i];
    if (!child->Visible()) continue;
    if ((child->ControlStyle() & csOpaque) && child->BoundsRect().Covers(area)) {
      first = i;
      covered = true;
      break;
    }
  }
  if (!covered) {
    EraseBackground(surface);
    PaintTo(surface);
  }
  for (size_t i = first; i < graphic_.size(); ++i) {
    TControl* child = graphic_[i];
    if (!child->Visible()) continue;
    const TRect bounds = child->BoundsRect();
    if (Intersect(bounds, area).IsEmpty()) continue;
    // The child's surface starts with what lies beneath it.
    TBitmap own(bounds.Width(), bounds.Height());
    own.Canvas().CopyRect(own.ClientRect(), surface, bounds);
    child->PaintTo(own);
    surface.Canvas().CopyRect(bounds, own, own.ClientRect());
  }
}

void TWinControl::VisibleChanged() {
  if (Visible() && !window_ && (!Parent() || Parent()->HandleAllocated())) {
    HandleNeeded();  // made visible
    return;
  }
  if (window_) window_->SetVisible(Visible());
}

void TWinControl::EnabledChanged() {
  if (window_) window_->SetEnabled(Enabled());
  Invalidate();
}

void TWinControl::TextChanged() {
  if (window_) {
    window_->SetText(TControl::caption_);
    window_->SetFont(Font());
  }
  Invalidate();
}

void TWinControl::BoundsChanged(const TRect& oldBounds) {
  if (oldBounds.Width() != Width() || oldBounds.Height() != Height()) SizeChanged({oldBounds.Width(), oldBounds.Height()});
  if (!window_) return;
  ScopedValue applying(applyingBounds_, true);
  window_->SetBounds(WindowBounds());
}

void TWinControl::AlignControls() {
  if (aligning_) return;
  ScopedValue aligning(aligning_, true);
  TRect rest = ClientRect();
  for (TControl* child : controls_) {
    if (child->Align() == alNone || !child->Visible()) continue;
    const TRect b = TakeAligned(rest, child->Align(), {child->Width(), child->Height()});
    child->SetBounds(b.Left, b.Top, b.Width(), b.Height());
  }
}

// --- events from the window ---

void TWinControl::WindowPaint(TBitmap& surface, const TRect& area) {
  Guarded([&] { PaintClient(surface, area); });
}

THitTest TWinControl::WindowHitTest(int x, int y, THitTest defaultAnswer) {
  THitTest answer = defaultAnswer;
  Guarded([&] { answer = HitTest(x, y, defaultAnswer); });
  return answer;
}

void TWinControl::WindowBoundsChanged(const TRect& bounds) {
  if (applyingBounds_) return;
  Guarded([&] {
    if (bounds == BoundsRect()) return;
    const bool resized = bounds.Width() != Width() || bounds.Height() != Height();
    const TSize old{Width(), Height()};
    left_ = bounds.Left;
    top_ = bounds.Top;
    width_ = std::max(bounds.Width(), 0);
    height_ = std::max(bounds.Height(), 0);
    if (!resized) return;
    // The user sized the window: the children keep their places as with SetBounds.
    SizeChanged(old);
    if (!IsLoading()) Resize();
  });
}

void TWinControl::WindowClose() {
  Guarded([&] { CloseRequested(); });
}

void TWinControl::WindowCommand(int notifyCode) {
  Guarded([&] { Command(notifyCode); });
}

void TWinControl::WindowError(const std::exception& error) { Application().HandleException(error); }

}  // namespace nuvex
