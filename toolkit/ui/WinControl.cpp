#include "toolkit/ui/WinControl.h"

#include <algorithm>
#include <exception>
#include <unordered_map>

#include "base/Error.h"
#include "base/ScopeGuard.h"
#include "toolkit/ui/Application.h"
#include "toolkit/ui/DragSession.h"

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
  // The children's windows live inside ours: take them down first, and let
  // the children go, so none reaches back into a control being destroyed.
  for (TControl* child : controls_) {
    if (auto* windowed = dynamic_cast<TWinControl*>(child)) windowed->DestroyHandle();
    child->parent_ = nullptr;
  }
  controls_.clear();
  tabList_.clear();
  mouseControl_ = nullptr;
  hoverControl_ = nullptr;
  ReleaseWindow();
}

void TWinControl::InsertControl(TControl* control) {
  controls_.push_back(control);
  if (control->Align() != alNone) AlignControls();
  if (auto* windowed = dynamic_cast<TWinControl*>(control)) {
    tabList_.push_back(windowed);
    if (window_) windowed->HandleNeeded();
  } else {
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
  if (auto* windowed = dynamic_cast<TWinControl*>(control)) {
    std::erase(tabList_, windowed);
    windowed->DestroyHandle();
    return;
  }
  if (control->Visible()) InvalidateRect(control->BoundsRect());
  if (window_ && !control->Hint().empty()) window_->SetHint(reinterpret_cast<uintptr_t>(control), {}, {});
}

int TWinControl::TabOrder() const {
  if (!Parent()) return -1;
  const auto& list = Parent()->tabList_;
  return static_cast<int>(std::find(list.begin(), list.end(), this) - list.begin());
}

void TWinControl::SetTabOrder(int value) {
  if (!Parent()) return;
  auto& list = Parent()->tabList_;
  std::erase(list, this);
  const size_t at = std::min(static_cast<size_t>(std::max(value, 0)), list.size());
  list.insert(list.begin() + static_cast<std::ptrdiff_t>(at), this);
}

bool TWinControl::CanTakeFocus() const { return tabStop_ && Showing() && Enabled(); }

TWinControl* TWinControl::FindNextControl(TWinControl* from, bool forward) {
  // Every windowed descendant in tab order, depth first.
  std::vector<TWinControl*> order;
  auto collect = [&order](auto& self, const TWinControl& parent) -> void {
    for (TWinControl* child : parent.tabList_) {
      order.push_back(child);
      self(self, *child);
    }
  };
  collect(collect, *this);
  if (!forward) std::reverse(order.begin(), order.end());
  const auto start = std::find(order.begin(), order.end(), from);
  const size_t first = start == order.end() ? 0 : static_cast<size_t>(start - order.begin()) + 1;
  for (size_t i = 0; i < order.size(); ++i) {
    TWinControl* candidate = order[(first + i) % order.size()];
    if (candidate->CanTakeFocus()) return candidate;
  }
  return nullptr;
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
  for (TControl* child : controls_) {
    if (auto* windowed = dynamic_cast<TWinControl*>(child)) {
      if (!windowed->window_) windowed->CreateWindowNow();
    } else if (!child->Hint().empty()) {
      child->UpdateHint();
    }
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
    const TAnchors a = child->Anchors();
    if (child->Align() != alNone || a == (akLeft | akTop)) continue;
    TRect b = child->BoundsRect();
    if (a & akRight) {
      if (!(a & akLeft)) b.Left += dx;
      b.Right += dx;
    }
    if (a & akBottom) {
      if (!(a & akTop)) b.Top += dy;
      b.Bottom += dy;
    }
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
    // A drag under way takes every event; a windowless source's press ends with it.
    TDragSession& drag = TDragSession::Instance();
    if (drag.Started() && event.Action == TMouseAction::Up && !(event.Shift & kButtonsHeld)) mouseControl_ = nullptr;
    const TPoint screen = window_ ? window_->ClientToScreen({event.X, event.Y}) : TPoint{event.X, event.Y};
    if (drag.Mouse(event, screen) || alive.Destroyed()) return;
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
    TDestroyWatch alive(Life());
    TDragSession::Instance().CaptureLost(*this);
    if (alive.Destroyed()) return;
    if (TControl* pressed = std::exchange(mouseControl_, nullptr)) pressed->DispatchCaptureLost();
    DispatchCaptureLost();
  });
}

bool TWinControl::WindowKey(const TKeyEvent& event) {
  bool used = false;
  Guarded([&] {
    if (TDragSession::Instance().Key(event)) {
      used = true;
      return;
    }
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
    if (alive.Destroyed()) {
      used = true;
      return;
    }
    if (key == vkTab && event.Down && !(event.Shift & (ssCtrl | ssAlt))) {
      // Tab walks the focus through the form's controls in tab order.
      TWinControl* root = this;
      while (root->Parent()) root = root->Parent();
      if (TWinControl* next = root->FindNextControl(this, !(event.Shift & ssShift))) next->SetFocus();
      key = 0;
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

void TWinControl::WindowFocusChanged(bool focused) {
  Guarded([&] { FocusChanged(focused); });
}

void TWinControl::WindowError(const std::exception& error) { Application().HandleException(error); }

}  // namespace nuvex
