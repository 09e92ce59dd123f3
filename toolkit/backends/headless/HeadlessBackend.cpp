#include "toolkit/backends/headless/HeadlessBackend.h"

#include <algorithm>

namespace nuvex {

namespace {

TSize FrameOf(TWindowKind kind) {
  switch (kind) {
    // A title bar brings its fixed frame with it; the modal frame of a dialog
    // changes only its edge.
    case TWindowKind::Single:
    case TWindowKind::Dialog: return {6, 25};
    case TWindowKind::Sizeable: return {8, 27};
    default: return {0, 0};
  }
}

TRect Union(const TRect& a, const TRect& b) {
  if (a.IsEmpty()) return b;
  if (b.IsEmpty()) return a;
  return {std::min(a.Left, b.Left), std::min(a.Top, b.Top), std::max(a.Right, b.Right),
          std::max(a.Bottom, b.Bottom)};
}

}  // namespace

// --- THeadlessWindow ---

THeadlessWindow::THeadlessWindow(THeadlessBackend& backend, TWindowSink& sink, THeadlessWindow* parent,
                                 const TWindowParams& params)
    : backend_(backend),
      sink_(sink),
      parent_(parent),
      params_(params),
      bounds_(params.Bounds),
      visible_(params.Visible),
      enabled_(params.Enabled),
      text_(params.Text) {
  backend_.windows_.push_back(this);
  Invalidate(nullptr);
}

THeadlessWindow::~THeadlessWindow() { backend_.Forget(this); }

TSize THeadlessWindow::FrameSize() const { return parent_ ? TSize{} : FrameOf(params_.Kind); }

void THeadlessWindow::SetBounds(const TRect& bounds) {
  if (bounds == bounds_) return;
  const bool resized = bounds.Width() != bounds_.Width() || bounds.Height() != bounds_.Height();
  bounds_ = bounds;
  if (resized) Invalidate(nullptr);
  sink_.WindowBoundsChanged(bounds_);
  backend_.UpdateHover();
}

void THeadlessWindow::SetVisible(bool visible) {
  if (visible == visible_) return;
  visible_ = visible;
  if (visible_) Invalidate(nullptr);
  backend_.UpdateHover();
}

void THeadlessWindow::SetEnabled(bool enabled) { enabled_ = enabled; }

bool THeadlessWindow::SetRegion(const std::optional<TRegion>& region, bool redraw) {
  if (region && backend_.refuseRegions_) return false;
  region_ = region;
  ++regionSetCount_;
  if (redraw && Showing()) {
    const TSize frame = FrameSize();
    Paint({0, 0, bounds_.Width() - frame.cx, bounds_.Height() - frame.cy});
  }
  backend_.UpdateHover();
  return true;
}

void THeadlessWindow::Invalidate(const TRect* rect) {
  const TSize frame = FrameSize();
  const TRect client{0, 0, bounds_.Width() - frame.cx, bounds_.Height() - frame.cy};
  const TRect area = rect ? *rect : client;
  invalidations_.push_back(area);
  pending_ = Union(pending_, Intersect(area, client));
}

void THeadlessWindow::Update() {
  if (pending_.IsEmpty() || !Showing()) return;
  const TRect area = pending_;
  pending_ = {};
  Paint(area);
}

void THeadlessWindow::PaintNow(const TRect& rect) {
  if (Showing()) Paint(rect);
}

void THeadlessWindow::Paint(const TRect& area) {
  const TSize frame = FrameSize();
  const TRect client{0, 0, bounds_.Width() - frame.cx, bounds_.Height() - frame.cy};
  const TRect clipped = Intersect(area, client);
  TBitmap surface(client.Width(), client.Height());
  sink_.WindowPaint(surface, clipped);
  if (picture_.Width() != client.Width() || picture_.Height() != client.Height()) {
    picture_.SetSize(client.Width(), client.Height());
  }
  // Only the painted area reaches the screen, as with a clipped device context.
  picture_.Canvas().CopyRect(clipped, surface, clipped);
  ++paintCount_;
}

void THeadlessWindow::SetCapture() {
  THeadlessWindow* previous = backend_.capture_;
  if (previous == this) return;
  backend_.capture_ = this;
  if (previous) previous->sink_.WindowCaptureLost();
}

void THeadlessWindow::ReleaseCapture() {
  if (backend_.capture_ != this) return;
  backend_.capture_ = nullptr;
  // The window system tells the window losing the capture, also on its own release.
  sink_.WindowCaptureLost();
}

bool THeadlessWindow::HasCapture() const { return backend_.capture_ == this; }

void THeadlessWindow::SetFocus() {
  THeadlessWindow* previous = backend_.focus_;
  if (previous == this) return;
  backend_.focus_ = this;
  if (previous) previous->sink_.WindowFocusChanged(false);
  sink_.WindowFocusChanged(true);
}

bool THeadlessWindow::Focused() const { return backend_.focus_ == this; }

TPoint THeadlessWindow::ClientToScreen(TPoint point) const {
  if (parent_) return parent_->ClientToScreen({bounds_.Left + point.X, bounds_.Top + point.Y});
  const TSize frame = FrameSize();
  const int border = frame.cx / 2;
  return {bounds_.Left + border + point.X, bounds_.Top + frame.cy - border + point.Y};
}

void THeadlessWindow::SetItems(const std::vector<std::string>& items) {
  items_ = items;
  itemIndex_ = -1;
  Invalidate(nullptr);
}

void THeadlessWindow::SetItemIndex(int index) {
  itemIndex_ = index >= 0 && index < static_cast<int>(items_.size()) ? index : -1;
}

void THeadlessWindow::PickItem(int index) {
  SetItemIndex(index);
  sink_.WindowCommand(kListSelectionChanged);
}

void THeadlessWindow::SetHint(uintptr_t tool, const TRect& area, const std::string& text) {
  if (text.empty()) {
    hints_.erase(tool);
  } else {
    hints_[tool] = {area, text};
  }
}

std::string THeadlessWindow::HintAt(TPoint client) const {
  // A later tool lies above an earlier one only by chance; the smallest area wins.
  const Hint* best = nullptr;
  for (const auto& [tool, hint] : hints_) {
    if (!hint.Area.Contains(client.X, client.Y)) continue;
    if (!best || hint.Area.Width() * hint.Area.Height() < best->Area.Width() * best->Area.Height()) best = &hint;
  }
  return best ? best->Text : std::string();
}

bool THeadlessWindow::Showing() const {
  for (const THeadlessWindow* w = this; w; w = w->parent_) {
    if (!w->visible_) return false;
  }
  return true;
}

bool THeadlessWindow::HitAt(TPoint screen) const {
  if (!Showing()) return false;
  // The outer rectangle's top-left corner on the screen.
  TPoint origin{bounds_.Left, bounds_.Top};
  if (parent_) {
    origin = parent_->ClientToScreen(origin);
    const TSize pf = parent_->FrameSize();
    const TPoint parentClient = parent_->ClientToScreen({0, 0});
    const TRect parentArea = nuvex::Bounds(parentClient.X, parentClient.Y, parent_->bounds_.Width() - pf.cx,
                                    parent_->bounds_.Height() - pf.cy);
    if (!parentArea.Contains(screen.X, screen.Y)) return false;
  }
  const int x = screen.X - origin.X;
  const int y = screen.Y - origin.Y;
  if (x < 0 || y < 0 || x >= bounds_.Width() || y >= bounds_.Height()) return false;
  return !region_ || region_->Contains(x, y);
}

void THeadlessWindow::ClearRecords() {
  invalidations_.clear();
  regionSetCount_ = 0;
  paintCount_ = 0;
}

// --- THeadlessBackend ---

THeadlessBackend::THeadlessBackend() = default;

THeadlessBackend::~THeadlessBackend() {
  for (THeadlessWindow* window : windows_) window->parent_ = nullptr;
}

std::unique_ptr<TNativeWindow> THeadlessBackend::NewWindow(TWindowSink& sink, TNativeWindow* parent,
                                                           const TWindowParams& params) {
  return std::make_unique<THeadlessWindow>(*this, sink, dynamic_cast<THeadlessWindow*>(parent), params);
}

TSize THeadlessBackend::FrameSize(TWindowKind kind) const { return FrameOf(kind); }

void THeadlessBackend::Forget(THeadlessWindow* window) {
  windows_.erase(std::remove(windows_.begin(), windows_.end(), window), windows_.end());
  for (THeadlessWindow* other : windows_) {
    if (other->parent_ == window) other->parent_ = nullptr;
  }
  if (capture_ == window) capture_ = nullptr;
  if (focus_ == window) focus_ = nullptr;
  if (hover_ == window) hover_ = nullptr;
}

void THeadlessBackend::ProcessMessages() {
  // Parents before children: windows are made in that order.
  const std::vector<THeadlessWindow*> windows = windows_;
  for (THeadlessWindow* window : windows) {
    if (std::find(windows_.begin(), windows_.end(), window) != windows_.end()) window->Update();
  }
}

bool THeadlessBackend::HandleMessage() {
  if (quit_) {
    quit_ = false;
    return false;
  }
  if (!input_.empty()) {
    std::function<void()> input = std::move(input_.front());
    input_.pop_front();
    input();
    ProcessMessages();
    return true;
  }
  bool pending = false;
  for (const THeadlessWindow* window : windows_) pending = pending || (window->HasPendingPaint() && window->Showing());
  ProcessMessages();
  // No user sits at a headless machine: with nothing left to do no message will come.
  return pending;
}

int THeadlessBackend::ShowMessageBox(const std::string& text, const std::string& caption, uint32_t flags) {
  messageBoxes_.push_back({text, caption, flags});
  if (answers_.empty()) return idOk;
  const int answer = answers_.front();
  answers_.pop_front();
  return answer;
}

THeadlessWindow* THeadlessBackend::WindowAt(TPoint screen) const {
  // The deepest showing window under the point; among siblings the later one.
  const THeadlessWindow* level = nullptr;
  THeadlessWindow* found = nullptr;
  for (bool descended = true; descended;) {
    descended = false;
    for (auto it = windows_.rbegin(); it != windows_.rend(); ++it) {
      if ((*it)->parent_ == level && (*it)->HitAt(screen)) {
        found = *it;
        level = *it;
        descended = true;
        break;
      }
    }
  }
  // A disabled window passes its input to its parent.
  while (found) {
    bool enabled = true;
    for (const THeadlessWindow* w = found; w; w = w->parent_) enabled = enabled && w->enabled_;
    if (enabled) break;
    found = found->parent_;
  }
  return found;
}

TShiftState THeadlessBackend::HeldButtons() const {
  return static_cast<TShiftState>((left_ ? ssLeft : 0) | (right_ ? ssRight : 0) | (middle_ ? ssMiddle : 0));
}

void THeadlessBackend::UpdateHover() {
  if (capture_) return;
  THeadlessWindow* under = WindowAt(mouse_);
  if (under == hover_) return;
  THeadlessWindow* left = hover_;
  hover_ = under;
  if (left) left->sink_.WindowMouseLeave();
  if (under && hover_ == under) under->sink_.WindowMouseEnter();
}

void THeadlessBackend::SendMouse(TMouseAction action, TMouseButton button, bool doubleClick) {
  THeadlessWindow* target = capture_ ? capture_ : WindowAt(mouse_);
  if (!target) return;
  const TPoint origin = target->ClientToScreen({0, 0});
  TMouseEvent event;
  event.Action = action;
  event.Button = button;
  event.Shift = static_cast<TShiftState>(HeldButtons() | (doubleClick ? ssDouble : 0));
  event.X = mouse_.X - origin.X;
  event.Y = mouse_.Y - origin.Y;
  target->sink_.WindowMouse(event);
}

void THeadlessBackend::MoveMouse(TPoint screen) {
  mouse_ = screen;
  shownHint_.clear();
  UpdateHover();
  SendMouse(TMouseAction::Move, mbLeft, false);
}

namespace {
bool& HeldFlag(TMouseButton button, bool& left, bool& right, bool& middle) {
  return button == mbLeft ? left : button == mbRight ? right : middle;
}
}  // namespace

void THeadlessBackend::PressMouse(TMouseButton button, bool doubleClick) {
  HeldFlag(button, left_, right_, middle_) = true;
  UpdateHover();
  SendMouse(TMouseAction::Down, button, doubleClick);
}

void THeadlessBackend::ReleaseMouse(TMouseButton button) {
  HeldFlag(button, left_, right_, middle_) = false;
  SendMouse(TMouseAction::Up, button, false);
  UpdateHover();
}

void THeadlessBackend::Click(TPoint screen, TMouseButton button) {
  MoveMouse(screen);
  PressMouse(button);
  ReleaseMouse(button);
}

void THeadlessBackend::DoubleClick(TPoint screen) {
  MoveMouse(screen);
  PressMouse(mbLeft);
  ReleaseMouse(mbLeft);
  PressMouse(mbLeft, true);
  ReleaseMouse(mbLeft);
}

void THeadlessBackend::RestMouse(TPoint screen) {
  MoveMouse(screen);
  if (THeadlessWindow* under = WindowAt(screen)) {
    const TPoint origin = under->ClientToScreen({0, 0});
    shownHint_ = under->HintAt({screen.X - origin.X, screen.Y - origin.Y});
  }
}

void THeadlessBackend::PressKey(uint16_t key, TShiftState shift) {
  THeadlessWindow* target = focus_;
  if (!target) {
    for (auto it = windows_.rbegin(); it != windows_.rend() && !target; ++it) {
      if (!(*it)->parent_ && (*it)->Showing()) target = *it;
    }
  }
  if (!target) return;
  target->sink_.WindowKey({true, key, shift});
  if (std::find(windows_.begin(), windows_.end(), target) == windows_.end()) return;  // closed by the key
  target->sink_.WindowKey({false, key, shift});
}

}  // namespace nuvex
