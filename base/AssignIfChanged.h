#pragma once
// The first step of every property setter: a setter repaints, relays out or
// notifies only when its value really changes.

namespace nuvex {

// Stores value in field unless they are equal already; true when it stored.
template <typename T, typename U>
bool AssignIfChanged(T& field, const U& value) {
  if (value == field) return false;
  field = value;
  return true;
}

}  // namespace nuvex
