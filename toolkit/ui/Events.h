#pragma once
// The event types of the controls: callbacks bound to an object that get the
// sender and what happened.
#include <cstdint>

#include "base/Event.h"
#include "toolkit/ui/Component.h"
#include "toolkit/window/Input.h"

namespace nuvex {

using TNotifyEvent = Event<TObject*>;
using TMouseEventHandler = Event<TObject*, TMouseButton, TShiftState, int, int>;
using TMouseMoveEventHandler = Event<TObject*, TShiftState, int, int>;
// The handler may change the key (0: swallowed).
using TKeyEventHandler = Event<TObject*, uint16_t&, TShiftState>;

// Where a drag stands against the control under the pointer: it came in,
// went out, or moved within.
enum TDragState : uint8_t { dsDragEnter, dsDragLeave, dsDragMove };
// (sender, source, x, y, state, accept): the handler says whether the
// sender would take the source dropped at (x, y) of its client area.
using TDragOverEvent = Event<TObject*, TObject*, int, int, TDragState, bool&>;
// (sender, source, x, y): the source was dropped on the sender at (x, y).
using TDragDropEvent = Event<TObject*, TObject*, int, int>;
// (sender, target, x, y): the sender's drag ended on target at (x, y) of
// the target's client area; target nullptr (and 0, 0) when nothing took it.
using TEndDragEvent = Event<TObject*, TObject*, int, int>;

}  // namespace nuvex
