#include "controls/ProgressRange.h"

#include <cfloat>
#include <cmath>
#include <limits>

// The fraction, the done width and the estimate's times are rounded to double
// at every step.  x87 code keeps intermediates in 80 bits and rounds some
// halves the other way (35 % of a 10-pixel bar: 3.5 in double, so 4 columns;
// just under 3.5 in 80 bits, so 3), which is why the i686 build computes in
// SSE2 registers as x86_64 does.
static_assert(FLT_EVAL_METHOD == 0, "floating-point intermediates must be rounded to their own type");

namespace nuvex {

TPositionChange TProgressRange::SetPosition(int32_t value) {
  if (value < min_) {
    value = min_;
  } else if (value > max_) {
    value = max_;
  }
  if (value == position_) return TPositionChange::None;
  position_ = value;
  if (value == min_) return TPositionChange::RestartTiming;
  // The test is on the position itself, not on its distance from Min.
  if (value < 4 || value % 4 == 0) return TPositionChange::UpdateEstimate;
  return TPositionChange::Moved;
}

bool TProgressRange::SetMin(int32_t value) {
  if (value >= max_) value = max_;
  if (value == min_) return false;
  min_ = value;
  if (position_ < value) position_ = value;
  return true;
}

bool TProgressRange::SetMax(int32_t value) {
  if (value <= min_) value = min_ == std::numeric_limits<int32_t>::max() ? min_ : min_ + 1;
  if (value == max_) return false;
  max_ = value;
  if (position_ > value) position_ = value;
  return true;
}

bool TProgressRange::SetStep(int32_t value) {
  if (value <= 0) value = 1;
  if (value == step_) return false;
  step_ = value;
  return true;
}

double TProgressRange::Fraction() const {
  if (max_ == min_) return 0;
  return (static_cast<double>(position_) - min_) / (static_cast<double>(max_) - min_);
}

int32_t TProgressRange::Done() const {
  return static_cast<int32_t>(static_cast<uint32_t>(position_) - static_cast<uint32_t>(min_));
}

int32_t TProgressRange::Total() const {
  return static_cast<int32_t>(static_cast<uint32_t>(max_) - static_cast<uint32_t>(min_));
}

int64_t RoundHalfEven(double value) {
  const double floor = std::floor(value);
  const double rest = value - floor;
  double rounded = floor;
  if (rest > 0.5 || (rest == 0.5 && std::fmod(floor, 2.0) != 0)) rounded = floor + 1;
  return static_cast<int64_t>(rounded);
}

int DoneWidth(int width, double fraction) { return static_cast<int>(RoundHalfEven(width * fraction)); }

int PercentageValue(double fraction) { return static_cast<int>(RoundHalfEven(fraction * 100)); }

std::string PercentageText(const std::string& infoText, double fraction) {
  return infoText + " " + std::to_string(PercentageValue(fraction)) + " %";
}

}  // namespace nuvex
