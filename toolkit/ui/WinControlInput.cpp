// TWinControl's input: the pointer (to the windowless child under it or the
// one that got the press), the capture, a drag of controls, the keys (seen
// first by a previewing parent) and Tab, which walks the focus.
#include <algorithm>
#include <utility>
#include <vector>

#include "base/ScopeGuard.h"
#include "toolkit/ui/DragSession.h"
#include "toolkit/ui/WinControl.h"
#include "toolkit/ui/WindowEvents.h"

namespace nuvex {

namespace {

// The release of the last button held: a press's child lets the pointer go.
bool ReleasesEveryButton(const TMouseEvent& event) {
  return event.Action == TMouseAction::Up && !(event.Shift & (ssLeft | ssRight | ssMiddle));
}

}  // namespace

// --- the pointer ---

TControl* TWinControl::GraphicControlAt(int x, int y) const {
  for (size_t i = graphic_.size(); i-- > 0;) {
    TControl* child = graphic_[i];
    if (child->Visible() && child->Enabled() && child->BoundsRect().Contains(x, y)) return child;
  }
  return nullptr;
}

void TWinControl::SetMouseCapture(bool capture) {
  if (capture) {
    Window().SetCapture();
  } else if (window_ && window_->HasCapture()) {
    ScopedValue releasing(releasingCapture_, true);
    window_->ReleaseCapture();
  }
}

void TWinControl::WindowMouse(const TMouseEvent& event) {
  Guarded([&] {
    TDragSession& drag = TDragSession::Instance();
    // A drag under way takes every event; a windowless source's press ends with it.
    if (drag.Started() && ReleasesEveryButton(event)) mouseControl_ = nullptr;
    const TPoint screen = window_ ? window_->ClientToScreen({event.X, event.Y}) : TPoint{event.X, event.Y};
    TControl* target = nullptr;
    bool hovering = false;  // the target is the child under the pointer, not a press's
    bool entered = false;
    InTurn(
        Life(), [&] { return drag.Mouse(event, screen); },
        [&] {
          // The child that got the press keeps every event until the release;
          // otherwise the one under the pointer gets it, and the pointer leaves
          // the one it was over.
          target = mouseControl_;
          if (target) return;
          hovering = true;
          target = GraphicControlAt(event.X, event.Y);
          if (target == hoverControl_) return;
          entered = target != nullptr;
          if (TControl* left = std::exchange(hoverControl_, target)) left->DispatchMouseLeave();
        },
        [&] {
          if (entered) target->DispatchMouseEnter();
        },
        [&] {
          if (!target) {
            DispatchMouse(event);
            return;
          }
          if (hovering && event.Action == TMouseAction::Down) mouseControl_ = target;
          TMouseEvent local = event;
          local.X -= target->Left();
          local.Y -= target->Top();
          if (ReleasesEveryButton(event)) mouseControl_ = nullptr;
          target->DispatchMouse(local);
        });
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
    InTurn(
        Life(), [&] { TDragSession::Instance().CaptureLost(*this); },
        [&] {
          if (TControl* pressed = std::exchange(mouseControl_, nullptr)) pressed->DispatchCaptureLost();
          DispatchCaptureLost();
        });
  });
}

TCursor TWinControl::WindowCursor(int x, int y) {
  if (const TControl* child = GraphicControlAt(x, y); child && child->Cursor() != crDefault) {
    return child->Cursor();
  }
  return Cursor();
}

// --- the keys ---

TWinControl* TWinControl::KeyPreviewer() {
  for (TWinControl* p = Parent(); p; p = p->Parent()) {
    if (p->keyPreview_) return p;
  }
  return nullptr;
}

void TWinControl::KeyDown(uint16_t& key, TShiftState shift) { OnKeyDown(this, key, shift); }
void TWinControl::KeyUp(uint16_t& key, TShiftState shift) { OnKeyUp(this, key, shift); }

bool TWinControl::WindowKey(const TKeyEvent& event) {
  bool used = false;
  Guarded([&] {
    uint16_t key = event.Key;
    auto deliver = [&event, &key](TWinControl& to) {
      if (event.Down) {
        to.KeyDown(key, event.Shift);
      } else {
        to.KeyUp(key, event.Shift);
      }
    };
    // A drag takes the keys it knows; the previewing form (which may close
    // and free itself, and this with it) sees the key first.  An event
    // ended on the way has used the key.
    const bool finished = InTurn(
        Life(), [&] { return TDragSession::Instance().Key(event); },
        [&] {
          if (TWinControl* previewer = KeyPreviewer()) deliver(*previewer);
        },
        [&] {
          if (key != 0) deliver(*this);
        },
        [&] {
          if (key == vkTab && event.Down && !(event.Shift & (ssCtrl | ssAlt))) {
            // Tab walks the focus through the form's controls in tab order.
            TWinControl* root = this;
            while (root->Parent()) root = root->Parent();
            if (TWinControl* next = root->FindNextControl(this, !(event.Shift & ssShift))) next->SetFocus();
            key = 0;
          }
          used = key == 0;
        });
    if (!finished) used = true;
  });
  return used;
}

// --- the focus in tab order ---

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

void TWinControl::SetFocus() { Window().SetFocus(); }

bool TWinControl::Focused() const { return window_ && window_->Focused(); }

void TWinControl::FocusChanged(bool focused) {
  if (focused) {
    OnEnter(this);
  } else {
    OnExit(this);
  }
}

void TWinControl::WindowFocusChanged(bool focused) {
  Guarded([&] { FocusChanged(focused); });
}

}  // namespace nuvex
