#include "toolkit/ui/WinControl.h"

#include <algorithm>
#include <exception>

#include "base/Error.h"
#include "base/ScopeGuard.h"
#include "toolkit/ui/Application.h"

namespace nuvex {

namespace {

constexpr TShiftState kButtonsHeld = ssLeft | ssRight | ssMiddle;

// Every event from the window system runs through here: an error ends the
// event, never the window system's call.
template <typename Body>
void Guarded(Body&& body) {
  try {
    body();
  } catch (const std::exception& error) {
    Application().HandleException(error);
  } catch (...) {
    Application().HandleException(Error("Unknown error"));
  }
}

}  // namespace

TWinControl::TWinControl(TComponent* owner) : TControl(owner) {}

TWinControl::~TWinControl() {
  // The children's windows live inside ours: take them down first, and let
  // the children go, so none reaches back into a control being destroyed.
  for (TControl* child : controls_) {
    if (auto* windowed = dynamic_cast<TWinControl*>(child)) windowed->DestroyHandle();
    child->parent_ = nullptr;
  }
  controls_.clear();
  mouseControl_ = nullptr;
  hoverControl_ = nullptr;
  window_.reset();
}

void TWinControl::InsertControl(TControl* control) {
  controls_.push_back(control);
  if (control->Align() != alNone) AlignControls();
  if (auto* windowed = dynamic_cast<TWinControl*>(control)) {
    if (window_) windowed->HandleNeeded();
  } else {
    control->Invalidate();
  }
}

void TWinControl::RemoveControl(TControl* control) {
  auto found = std::find(controls_.begin(), controls_.end(), control);
  if (found == controls_.end()) return;
  controls_.erase(found);
  if (mouseControl_ == control) mouseControl_ = nullptr;
  if (hoverControl_ == control) hoverControl_ = nullptr;
  if (auto* windowed = dynamic_cast<TWinControl*>(control)) {
    windowed->DestroyHandle();
  } else if (control->Visible()) {
    InvalidateRect(control->BoundsRect());
  }
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
  for (TControl* child : controls_) {
    if (auto* windowed = dynamic_cast<TWinControl*>(child)) windowed->DestroyHandle();
  }
  // The window knows its text (an edit box's contents): keep it.
  TControl::caption_ = window_->Text();
  window_.reset();
}

void TWinControl::CreateParams(TWindowParams& params) {
  params.Kind = Parent() ? TWindowKind::Child : TWindowKind::Popup;
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
  window_->SetFont(Font());
  // A shape the window system refuses now leaves the window whole.
  if (region_ && !window_->SetRegion(region_, false)) region_.reset();
  for (TControl* child : controls_) {
    if (auto* windowed = dynamic_cast<TWinControl*>(child)) {
      if (!windowed->window_) windowed->CreateWindowNow();
    }
  }
}

int TWinControl::ClientWidth() const {
  return std::max(0, Width() - (window_ ? window_->FrameSize().cx : 0));
}

int TWinControl::ClientHeight() const {
  return std::max(0, Height() - (window_ ? window_->FrameSize().cy : 0));
}

void TWinControl::SetClientSize(int width, int height) {
  const TSize frame = Window().FrameSize();
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

void TWinControl::SetFocus() { Window().SetFocus(); }

bool TWinControl::Focused() const { return window_ && window_->Focused(); }

void TWinControl::EraseBackground(TBitmap& surface) {
  surface.Canvas().Brush.Color = TControl::Color();
  surface.Canvas().Brush.Style = bsSolid;
  surface.Canvas().FillRect(surface.ClientRect());
}

void TWinControl::PaintClient(TBitmap& surface, const TRect& area) {
  // An opaque child that covers the whole area hides everything beneath it.
  size_t first = 0;
  bool covered = false;
  for (size_t i = controls_.size(); i-- > 0;) {
    const TControl* child = controls_[i];
    if (dynamic_cast<const TWinControl*>(child) || !child->Visible()) continue;
    const TRect bounds = child->BoundsRect();
    if ((child->ControlStyle() & csOpaque) && bounds.Left <= area.Left && bounds.Top <= area.Top &&
        bounds.Right >= area.Right && bounds.Bottom >= area.Bottom) {
      first = i;
      covered = true;
      break;
    }
  }
  if (!covered) {
    EraseBackground(surface);
    PaintTo(surface);
  }
  for (size_t i = first; i < controls_.size(); ++i) {
    TControl* child = controls_[i];
    if (dynamic_cast<TWinControl*>(child) || !child->Visible()) continue;
    const TRect bounds = child->BoundsRect();
    if (Intersect(bounds, area).IsEmpty()) continue;
    // The child's surface starts with what lies beneath it.
    TBitmap own(bounds.Width(), bounds.Height());
    own.Canvas().CopyRect(own.ClientRect(), surface, bounds);
    child->PaintTo(own);
    surface.Canvas().CopyRect(bounds, own, own.ClientRect());
  }
}

TControl* TWinControl::GraphicControlAt(int x, int y) const {
  for (size_t i = controls_.size(); i-- > 0;) {
    TControl* child = controls_[i];
    if (dynamic_cast<TWinControl*>(child)) continue;
    if (child->Visible() && child->Enabled() && child->BoundsRect().Contains(x, y)) return child;
  }
  return nullptr;
}

TWinControl* TWinControl::KeyPreviewer() {
  for (TWinControl* p = Parent(); p; p = p->Parent()) {
    if (p->keyPreview_) return p;
  }
  return nullptr;
}

void TWinControl::FocusChanged(bool focused) {
  if (focused) {
    OnEnter(this);
  } else {
    OnExit(this);
  }
}

void TWinControl::KeyDown(uint16_t& key, TShiftState shift) { OnKeyDown(this, key, shift); }
void TWinControl::KeyUp(uint16_t& key, TShiftState shift) { OnKeyUp(this, key, shift); }

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
  if (oldBounds.Width() != Width() || oldBounds.Height() != Height()) AlignControls();
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
    const int w = std::min(child->Width(), std::max(rest.Width(), 0));
    const int h = std::min(child->Height(), std::max(rest.Height(), 0));
    switch (child->Align()) {
      case alTop:
        child->SetBounds(rest.Left, rest.Top, rest.Width(), child->Height());
        rest.Top += h;
        break;
      case alBottom:
        child->SetBounds(rest.Left, rest.Bottom - h, rest.Width(), child->Height());
        rest.Bottom -= h;
        break;
      case alLeft:
        child->SetBounds(rest.Left, rest.Top, child->Width(), rest.Height());
        rest.Left += w;
        break;
      case alRight:
        child->SetBounds(rest.Right - w, rest.Top, child->Width(), rest.Height());
        rest.Right -= w;
        break;
      case alClient:
        child->SetBounds(rest.Left, rest.Top, rest.Width(), rest.Height());
        break;
      case alNone:
        break;
    }
  }
}

void TWinControl::SetMouseCapture(bool capture) {
  if (capture) {
    Window().SetCapture();
  } else if (window_ && window_->HasCapture()) {
    ScopedValue releasing(releasingCapture_, true);
    window_->ReleaseCapture();
  }
}

// --- events from the window ---

void TWinControl::WindowPaint(TBitmap& surface, const TRect& area) {
  Guarded([&] { PaintClient(surface, area); });
}

void TWinControl::WindowMouse(const TMouseEvent& event) {
  Guarded([&] {
    TDestroyWatch alive(Life());
    TControl* target = mouseControl_;
    if (!target) {
      TControl* under = GraphicControlAt(event.X, event.Y);
      if (under != hoverControl_) {
        TControl* left = hoverControl_;
        hoverControl_ = under;
        if (left) left->DispatchMouseLeave();
        if (alive.Destroyed()) return;
        if (under) under->DispatchMouseEnter();
        if (alive.Destroyed()) return;
      }
      target = under;
      if (target && event.Action == TMouseAction::Down) mouseControl_ = target;
    }
    if (!target) {
      DispatchMouse(event);
      return;
    }
    TMouseEvent local = event;
    local.X -= target->Left();
    local.Y -= target->Top();
    if (event.Action == TMouseAction::Up && !(event.Shift & kButtonsHeld)) mouseControl_ = nullptr;
    target->DispatchMouse(local);
  });
}

void TWinControl::WindowMouseEnter() {
  Guarded([&] { DispatchMouseEnter(); });
}

void TWinControl::WindowMouseLeave() {
  Guarded([&] {
    if (TControl* left = std::exchange(hoverControl_, nullptr)) left->DispatchMouseLeave();
    DispatchMouseLeave();
  });
}

void TWinControl::WindowCaptureLost() {
  if (releasingCapture_) return;
  Guarded([&] {
    if (TControl* pressed = std::exchange(mouseControl_, nullptr)) pressed->DispatchCaptureLost();
    DispatchCaptureLost();
  });
}

bool TWinControl::WindowKey(const TKeyEvent& event) {
  bool used = false;
  Guarded([&] {
    TDestroyWatch alive(Life());
    uint16_t key = event.Key;
    if (TWinControl* previewer = KeyPreviewer()) {
      if (event.Down) {
        previewer->KeyDown(key, event.Shift);
      } else {
        previewer->KeyUp(key, event.Shift);
      }
      // The previewing form may have closed and freed itself, and this with it.
      if (alive.Destroyed()) {
        used = true;
        return;
      }
    }
    if (key != 0) {
      if (event.Down) {
        KeyDown(key, event.Shift);
      } else {
        KeyUp(key, event.Shift);
      }
    }
    used = key == 0;
  });
  return used;
}

THitTest TWinControl::WindowHitTest(int x, int y, THitTest defaultAnswer) {
  THitTest answer = defaultAnswer;
  Guarded([&] { answer = HitTest(x, y, defaultAnswer); });
  return answer;
}

TCursor TWinControl::WindowCursor(int x, int y) {
  if (const TControl* child = GraphicControlAt(x, y); child && child->Cursor() != crDefault) {
    return child->Cursor();
  }
  return Cursor();
}

void TWinControl::WindowBoundsChanged(const TRect& bounds) {
  if (applyingBounds_) return;
  Guarded([&] {
    if (bounds == BoundsRect()) return;
    const bool resized = bounds.Width() != Width() || bounds.Height() != Height();
    left_ = bounds.Left;
    top_ = bounds.Top;
    width_ = std::max(bounds.Width(), 0);
    height_ = std::max(bounds.Height(), 0);
    if (resized && !IsLoading()) Resize();
  });
}

void TWinControl::WindowClose() {
  Guarded([&] { CloseRequested(); });
}

void TWinControl::WindowCommand(int notifyCode) {
  Guarded([&] { Command(notifyCode); });
}

void TWinControl::WindowFocusChanged(bool focused) {
  Guarded([&] { FocusChanged(focused); });
}

void TWinControl::WindowError(const std::exception& error) { Application().HandleException(error); }

}  // namespace nuvex
