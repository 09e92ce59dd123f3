#pragma once
// Platform services: an interface of which the code uses one object, reached
// through Service<T>::Current().  That is the platform's own object (the real
// calls on Windows, a stand-in natively) unless a test has put another one in
// its place with ScopedService.  This is the one way a service is replaced;
// nothing else changes which object a service is.
//
// The layer that implements a service defines its platform object:
//   template <> TClock& Service<TClock>::Platform() { ... }
// (most with PlatformObject below) and the service's header declares that
// definition, so that every use sees it.
#include <utility>

namespace nuvex {

template <typename T>
class ScopedService;

template <typename T>
class Service {
 public:
  static T& Current() { return installed_ ? *installed_ : Platform(); }
  // The platform's own object; defined once per service.
  static T& Platform();

 private:
  friend class ScopedService<T>;
  static inline T* installed_ = nullptr;
};

// The usual platform object: one Impl, made at its first use and kept to
// the program's end.
//   template <> TClock& Service<TClock>::Platform() { return PlatformObject<WindowsClock>(); }
template <typename Impl>
Impl& PlatformObject() {
  static Impl object;
  return object;
}

// Puts `replacement` (not owned) in the service's place for the lifetime of
// the object; scopes nest and each restores the one before it.
template <typename T>
class ScopedService {
 public:
  explicit ScopedService(T& replacement) : previous_(std::exchange(Service<T>::installed_, &replacement)) {}
  ~ScopedService() { Service<T>::installed_ = previous_; }
  ScopedService(const ScopedService&) = delete;
  ScopedService& operator=(const ScopedService&) = delete;

 private:
  T* previous_;
};

}  // namespace nuvex
