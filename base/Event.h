#pragma once
// An event: a callback bound to an object, or nothing.  "Not set" is a valid
// value; calling an event that is not set does nothing, so owners may fire
// without testing, although the test is cheap (`if (OnStart) ...`).
#include <functional>
#include <utility>

namespace nuvex {

template <typename... Args>
class Event {
 public:
  Event() = default;
  Event(std::nullptr_t) {}

  // A method bound to the object it is called on.
  template <typename Object>
  Event(Object* object, void (Object::*method)(Args...))
      : handler_([object, method](Args... args) { (object->*method)(args...); }) {}

  // Any other callable (a lambda in tests, a free function).
  template <typename Callable>
    requires std::is_invocable_r_v<void, Callable&, Args...> &&
             (!std::is_same_v<std::decay_t<Callable>, Event>)
  Event(Callable callable) : handler_(std::move(callable)) {}

  explicit operator bool() const { return static_cast<bool>(handler_); }

  void operator()(Args... args) const {
    if (handler_) handler_(args...);
  }

 private:
  std::function<void(Args...)> handler_;
};

}  // namespace nuvex
