#pragma once
// A Windows handle closed on every way out, by the closer its kind needs
// (CloseHandle for files, FindClose for searches).  INVALID_HANDLE_VALUE,
// what the calls that make these handles return on failure, holds nothing.
#ifndef _WIN32
#error "WinHandle.h is for Windows builds only"
#endif
#include <windows.h>

namespace nuvex {

template <typename Closer>
class TWinHandle {
 public:
  explicit TWinHandle(HANDLE handle) : handle_(handle) {}
  ~TWinHandle() {
    if (Valid()) Closer()(handle_);
  }
  TWinHandle(const TWinHandle&) = delete;
  TWinHandle& operator=(const TWinHandle&) = delete;

  HANDLE Get() const { return handle_; }
  bool Valid() const { return handle_ != INVALID_HANDLE_VALUE; }

 private:
  HANDLE handle_;
};

struct TFileCloser {
  void operator()(HANDLE handle) const { CloseHandle(handle); }
};
struct TSearchCloser {
  void operator()(HANDLE handle) const { FindClose(handle); }
};

using TFileHandle = TWinHandle<TFileCloser>;
using TSearchHandle = TWinHandle<TSearchCloser>;

}  // namespace nuvex
