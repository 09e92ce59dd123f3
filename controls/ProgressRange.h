#pragma once
// The range of a progress bar: Min, Max, Position and Step with the clamping
// their setters do, and the arithmetic the picture is made from.
//
// Invariants: Step >= 1; Min <= Position <= Max; Max > Min after Max is
// written (Min = Max arises only by writing Min).
#include <cstdint>
#include <string>

namespace nuvex {

// What an effective change of Position asks of the bar, besides a repaint.
enum class TPositionChange : uint8_t {
  None,            // the clamped value equals the current one: nothing at all
  RestartTiming,   // the new position is Min
  UpdateEstimate,  // below 4 or divisible by 4
  Moved,           // any other change
};

class TProgressRange {
 public:
  int32_t Min() const { return min_; }
  int32_t Max() const { return max_; }
  int32_t Position() const { return position_; }
  int32_t Step() const { return step_; }

  // Clamps to Min..Max (Min first); see TPositionChange.
  TPositionChange SetPosition(int32_t value);
  // Clamped to at most Max; pulls Position up to it.  True when Min changed.
  bool SetMin(int32_t value);
  // A value <= Min becomes Min + 1 (Min when Min is the largest integer, as
  // Min + 1 does not exist); pulls Position down to it.  True when Max changed.
  bool SetMax(int32_t value);
  // Values <= 0 become 1.  True when Step changed.
  bool SetStep(int32_t value);

  // (Position - Min) / (Max - Min) in double precision; 0 when Max = Min.
  double Fraction() const;
  // Position - Min and Max - Min as 32-bit numbers (wrapping, as the
  // estimate's arithmetic has them).
  int32_t Done() const;
  int32_t Total() const;

 private:
  int32_t min_ = 0;
  int32_t max_ = 100;
  int32_t position_ = 0;
  int32_t step_ = 1;
};

// To the nearest integer, an exact half to the even neighbour.
int64_t RoundHalfEven(double value);

// The width of the done part: width * fraction, rounded half to even.
int DoneWidth(int width, double fraction);
// The percentage shown: fraction * 100, rounded half to even.
int PercentageValue(double fraction);
// infoText + " " + the percentage + " %" (so " 50 %" with no info text).
std::string PercentageText(const std::string& infoText, double fraction);

}  // namespace nuvex
