#pragma once
// The drag of one control onto others, inside the program (TControl's
// BeginDrag).  At most one drag is under way; the windows' dispatch hands
// it every mouse event and key first.
//
// A begun drag is pending until the pointer moves more than its threshold
// from where it began; meanwhile the source's mouse handling goes on as
// usual, and a left release ends the drag without a word.  Then it starts:
// the source gets DoStartDrag and no click, and every event is the drag's.
// The control under the pointer (a windowed control, or the windowless one
// on it, found through the window backend by screen point, so across
// windows) is asked DragOver: dsDragEnter when the pointer comes to it,
// dsDragMove while it stays, dsDragLeave when it goes or the drag ends.
// The left release drops: the control under the pointer, if its last answer
// accepted, gets DragDrop, then the source DoEndDrag with it (or nullptr).
// Escape, EndDrag(false), or the capture taken away cancel.
//
// Any handler may free the source, the target or their windows: the session
// watches them (base/DestroyWatch.h) and touches nothing freed.  A source
// freed mid-drag ends the drag with no further events.
#include <optional>

#include "base/DestroyWatch.h"
#include "toolkit/graphics/Geometry.h"
#include "toolkit/ui/Events.h"

namespace nuvex {

class TControl;
class TWinControl;

// How a dmAutomatic press begins its drag.
struct TDragDefaults {
  bool Immediate = true;
  int Threshold = 5;  // pixels, in either direction
};
TDragDefaults& DragDefaults();

class TDragSession {
 public:
  static TDragSession& Instance();

  void Begin(TControl& source, bool immediate, int threshold);
  void End(bool drop);
  bool IsSource(const TControl& control) const;
  bool Started() const { return phase_ == Phase::Started; }

  // A mouse event from a window, at a screen point (every event passes
  // here first).  True when the drag used it up.
  bool Mouse(const TMouseEvent& event, TPoint screen);
  // A key for any window; true when the drag used it up (Escape).
  bool Key(const TKeyEvent& event);
  // `window` lost the capture to somebody else.
  void CaptureLost(const TWinControl& window);

 private:
  enum class Phase { Idle, Pending, Started };

  TDragSession() = default;
  void Start();
  // The control a drop at a screen point would land on, or nullptr.
  static TControl* TargetAt(TPoint screen);
  // Asks the controls under screen, as the pointer moved there.
  void Over(TPoint screen);
  void Finish(bool drop);
  // Back to idle: the capture released, the pointer shape given back.
  void Reset();
  // After a handler: false when this drag is over (ended, replaced, or its source freed).
  bool Continues(unsigned drag);
  bool Asked(TControl& target, TPoint screen, TDragState state);

  Phase phase_ = Phase::Idle;
  unsigned drag_ = 0;  // counts the drags begun, to tell one from the next
  TControl* source_ = nullptr;
  std::optional<TDestroyWatch> sourceLife_;
  TWinControl* holder_ = nullptr;  // holds the capture: the source, or a windowless one's parent
  std::optional<TDestroyWatch> holderLife_;
  TControl* target_ = nullptr;
  std::optional<TDestroyWatch> targetLife_;
  bool accepted_ = false;
  bool escapeUsed_ = false;  // the Escape that cancelled: its release is ours too
  TPoint start_;
  TPoint askedAt_;  // where the controls under the pointer were last asked
  TPoint pointer_;  // the last screen point a window reported
  int threshold_ = 0;
};

}  // namespace nuvex
