#pragma once
// The clocks the progress bar's completion estimate reads: the system's
// millisecond tick counter and the local wall-clock date and time.
//
// On Windows the platform clock makes the real calls (GetTickCount,
// GetLocalTime).  Elsewhere it is a stand-in that only moves when told to, so
// that every result built on it is reproducible.  Tests install their own
// clock with ScopedClock on either platform.
#include <cstdint>

namespace nuvex {

// A local date and time as the window system reports it.
struct TSystemTime {
  int Year = 2000;  // 1..9999
  int Month = 1;    // 1..12
  int Day = 1;      // 1..31
  int Hour = 0;
  int Minute = 0;
  int Second = 0;
  int Milliseconds = 0;
  friend bool operator==(const TSystemTime&, const TSystemTime&) = default;
};

class TClock {
 public:
  virtual ~TClock() = default;
  // Milliseconds since the system started, wrapping after 2^32.
  virtual uint32_t TickCount() = 0;
  virtual TSystemTime LocalTime() = 0;
};

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

// The clock in use now.
TClock& CurrentClock();
// Installs a clock (not owned; nullptr restores the platform's own) and
// returns the one installed before.
TClock* SetClock(TClock* clock);
// The platform's own clock (defined per platform).
TClock& PlatformClock();

class ScopedClock {
 public:
  explicit ScopedClock(TClock& clock) : previous_(SetClock(&clock)) {}
  ~ScopedClock() { SetClock(previous_); }
  ScopedClock(const ScopedClock&) = delete;
  ScopedClock& operator=(const ScopedClock&) = delete;

 private:
  TClock* previous_;
};

}  // namespace nuvex
