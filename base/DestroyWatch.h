#pragma once
// Learning that an object was destroyed while a call into it ran.  An event
// handler may free the very object whose event is being dispatched (a click
// that closes its form); the dispatch holds a TDestroyWatch on the object's
// TWatchedLife and touches nothing of the object once the watch says so.
namespace nuvex {

class TDestroyWatch;

// A member of the watched object; its destruction tells every watch.
class TWatchedLife {
 public:
  TWatchedLife() = default;
  ~TWatchedLife();
  TWatchedLife(const TWatchedLife&) = delete;
  TWatchedLife& operator=(const TWatchedLife&) = delete;

 private:
  friend class TDestroyWatch;
  TDestroyWatch* watches_ = nullptr;
};

class TDestroyWatch {
 public:
  explicit TDestroyWatch(TWatchedLife& life) : life_(&life), next_(life.watches_) { life.watches_ = this; }
  ~TDestroyWatch();
  TDestroyWatch(const TDestroyWatch&) = delete;
  TDestroyWatch& operator=(const TDestroyWatch&) = delete;
  bool Destroyed() const { return life_ == nullptr; }

 private:
  friend class TWatchedLife;
  TWatchedLife* life_;
  TDestroyWatch* next_;
};

}  // namespace nuvex
