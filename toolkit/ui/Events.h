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

}  // namespace nuvex
