#pragma once
// The clocks the progress bar's completion estimate reads: the system's
// millisecond tick counter and the local wall-clock date and time.
//
// On Windows the platform clock makes the real calls (GetTickCount,
// GetLocalTime).  Natively it is a stand-in that stands still at a fixed
// moment, so that every result built on it is reproducible.  Tests put their
// own clock in place with ScopedService<TClock>.
#include <cstdint>

#include "base/DateTime.h"
#include "base/Service.h"

namespace nuvex {

class TClock {
 public:
  virtual ~TClock() = default;
  // Milliseconds since the system started, wrapping after 2^32.
  virtual uint32_t TickCount() = 0;
  virtual TSystemTime LocalTime() = 0;
};

template <>
TClock& Service<TClock>::Platform();

// The clock in use now.
inline TClock& CurrentClock() { return Service<TClock>::Current(); }

// A clock that holds what it is set to and counts how often it is read.
class TManualClock : public TClock {
 public:
  uint32_t TickCount() override {
    ++reads_;
    return tick_;
  }
  TSystemTime LocalTime() override {
    ++reads_;
    return time_;
  }

  void SetTickCount(uint32_t tick) { tick_ = tick; }
  void Advance(uint32_t milliseconds) { tick_ += milliseconds; }
  void SetLocalTime(const TSystemTime& time) { time_ = time; }
  // Reads of either clock since creation.
  int Reads() const { return reads_; }

 private:
  uint32_t tick_ = 0;
  TSystemTime time_;
  int reads_ = 0;
};

}  // namespace nuvex
