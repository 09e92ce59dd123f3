#pragma once
// Small scope owners for state that must be restored on every way out of a
// block, an exception included.
#include <utility>

namespace nuvex {

// Sets a variable for the scope and gives it back its old value afterwards.
template <typename T>
class ScopedValue {
 public:
  ScopedValue(T& variable, T value) : variable_(variable), saved_(std::exchange(variable, std::move(value))) {}
  ~ScopedValue() { variable_ = std::move(saved_); }
  ScopedValue(const ScopedValue&) = delete;
  ScopedValue& operator=(const ScopedValue&) = delete;

 private:
  T& variable_;
  T saved_;
};

// Runs an action when the scope ends, however it ends.
template <typename Action>
class ScopeExit {
 public:
  explicit ScopeExit(Action action) : action_(std::move(action)) {}
  ~ScopeExit() { action_(); }
  ScopeExit(const ScopeExit&) = delete;
  ScopeExit& operator=(const ScopeExit&) = delete;

 private:
  Action action_;
};

}  // namespace nuvex
