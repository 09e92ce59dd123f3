#pragma once
// How a windowed control runs an event from the window system (private to
// the windowed control's files).
#include <exception>
#include <type_traits>

#include "base/DestroyWatch.h"
#include "base/Error.h"
#include "toolkit/ui/Application.h"

namespace nuvex {

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

// Runs the steps of one event in turn.  A step may close a form and free it,
// and the control whose life this is with it, or end the event (a step that
// answers true): the steps after it then do not run.  True when every step ran.
template <typename... Step>
bool InTurn(TWatchedLife& life, Step&&... steps) {
  TDestroyWatch alive(life);
  auto run = [&alive](auto& step) {
    if constexpr (std::is_same_v<decltype(step()), bool>) {
      if (step()) return false;
    } else {
      step();
    }
    return !alive.Destroyed();
  };
  return (run(steps) && ...);
}

}  // namespace nuvex
