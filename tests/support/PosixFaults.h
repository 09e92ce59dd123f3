#pragma once
// Faults that a POSIX system makes on request, for the native tests of the
// file layer's errors; they work for root too.
#ifdef _WIN32
#error "tests/support/PosixFaults.h is for POSIX builds only"
#endif
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <unistd.h>

#include <csignal>

namespace nuvex::test {

// A resource limit lowered for the scope: RLIMIT_FSIZE makes writes beyond
// it fail as on a full disk (its signal ignored meanwhile), RLIMIT_NOFILE
// makes every open fail once the descriptors up to it are taken.
class ScopedLimit {
 public:
  ScopedLimit(int resource, rlim_t value) : resource_(resource) {
    EXPECT_EQ(getrlimit(resource_, &saved_), 0);
    rlimit lowered = saved_;
    lowered.rlim_cur = value;
    if (resource_ == RLIMIT_FSIZE) oldHandler_ = std::signal(SIGXFSZ, SIG_IGN);
    EXPECT_EQ(setrlimit(resource_, &lowered), 0);
  }
  ~ScopedLimit() {
    setrlimit(resource_, &saved_);
    if (resource_ == RLIMIT_FSIZE) std::signal(SIGXFSZ, oldHandler_);
  }
  ScopedLimit(const ScopedLimit&) = delete;
  ScopedLimit& operator=(const ScopedLimit&) = delete;

 private:
  int resource_;
  rlimit saved_{};
  void (*oldHandler_)(int) = SIG_DFL;
};

// Root reads and writes files without permission, so root acts as the
// unprivileged user "nobody" (65534) for the scope.
class AsUnprivilegedUser {
 public:
  AsUnprivilegedUser() : root_(geteuid() == 0) {
    if (root_) {
      EXPECT_EQ(seteuid(65534), 0);
    }
  }
  ~AsUnprivilegedUser() {
    if (root_) {
      EXPECT_EQ(seteuid(0), 0);
    }
  }
  AsUnprivilegedUser(const AsUnprivilegedUser&) = delete;
  AsUnprivilegedUser& operator=(const AsUnprivilegedUser&) = delete;

 private:
  bool root_;
};

}  // namespace nuvex::test
