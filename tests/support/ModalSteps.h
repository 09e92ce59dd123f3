#pragma once
// What the user does while a modal loop waits (Windows only): each step
// runs on a timer tick inside the loop, once the window it waits for shows.
#ifndef _WIN32
#error "tests/support/ModalSteps.h is for Windows builds only"
#endif
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "tests/support/WindowLists.h"

namespace nuvex::test {

inline std::string WindowText(HWND window) {
  char text[1024]{};
  GetWindowTextA(window, text, sizeof text);
  return text;
}

inline std::string WindowClass(HWND window) {
  char name[64]{};
  GetClassNameA(window, name, sizeof name);
  return name;
}

// The showing top-level window of this thread with this caption, or nullptr.
inline HWND ShowingWindow(const std::string& caption) {
  for (HWND window : ThreadWindows())
    if (IsWindowVisible(window) && WindowText(window) == caption) return window;
  return nullptr;
}

// Runs the steps one a tick while `find` answers a window, each with that
// window.  Once every step ran, a window still open after two seconds is
// closed, so that a test that went wrong ends instead of waiting for ever.
class ModalSteps {
 public:
  using Step = std::function<void(HWND)>;
  ModalSteps(std::function<HWND()> find, std::vector<Step> steps)
      : find_(std::move(find)), steps_(std::move(steps)) {
    current_ = this;
    timer_ = SetTimer(nullptr, 0, 40, &ModalSteps::Tick);
  }
  ~ModalSteps() {
    KillTimer(nullptr, timer_);
    current_ = nullptr;
  }
  ModalSteps(const ModalSteps&) = delete;
  ModalSteps& operator=(const ModalSteps&) = delete;
  bool Finished() const { return next_ == steps_.size(); }

 private:
  static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD) {
    ModalSteps* self = current_;
    if (!self || self->running_) return;
    HWND window = self->find_();
    if (!window) return;
    if (self->Finished()) {
      if (++self->idleTicks_ > 50) PostMessageA(window, WM_CLOSE, 0, 0);
      return;
    }
    self->running_ = true;
    self->steps_[self->next_++](window);
    self->running_ = false;
  }

  static inline ModalSteps* current_ = nullptr;
  std::function<HWND()> find_;
  std::vector<Step> steps_;
  size_t next_ = 0;
  int idleTicks_ = 0;
  bool running_ = false;
  UINT_PTR timer_ = 0;
};

}  // namespace nuvex::test
