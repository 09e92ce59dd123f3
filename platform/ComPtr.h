#pragma once
// Owner of one COM interface pointer (Windows only): released on destruction.
#ifndef _WIN32
#error "platform/ComPtr.h is for Windows builds only"
#endif
#include <objbase.h>

#include <utility>

namespace nuvex {

template <typename Interface>
class ComPtr {
 public:
  ComPtr() = default;
  ComPtr(const ComPtr&) = delete;
  ComPtr& operator=(const ComPtr&) = delete;
  ComPtr(ComPtr&& other) noexcept : p_(std::exchange(other.p_, nullptr)) {}
  ComPtr& operator=(ComPtr&& other) noexcept {
    if (this != &other) {
      Reset();
      p_ = std::exchange(other.p_, nullptr);
    }
    return *this;
  }
  ~ComPtr() { Reset(); }

  void Reset() {
    if (p_) p_->Release();
    p_ = nullptr;
  }
  Interface* Get() const { return p_; }
  Interface* operator->() const { return p_; }
  explicit operator bool() const { return p_ != nullptr; }
  // For calls that hand out a new reference (with IID_PPV_ARGS): the old
  // one is released first.
  Interface** Out() {
    Reset();
    return &p_;
  }

 private:
  Interface* p_ = nullptr;
};

}  // namespace nuvex
