#include "controls/ProgressEstimate.h"

#include "base/MulDiv.h"

namespace nuvex {

int64_t EstimatedDuration(int32_t elapsed, int32_t done, int32_t total) {
  const int64_t estimate = done == 0 ? int64_t{total} * 1000 : MulDiv(elapsed, total, done);
  return estimate < 0 ? 0 : estimate;
}

TDateTime EstimatedFinish(TDateTime start, int64_t duration) {
  int64_t rest = duration < 0 ? 0 : duration;
  const int milliseconds = static_cast<int>(rest % 1000);
  rest /= 1000;
  const int seconds = static_cast<int>(rest % 60);
  rest /= 60;
  const int minutes = static_cast<int>(rest % 60);
  rest /= 60;
  const int hours = static_cast<int>(rest % 24);
  rest /= 24;
  const int days = static_cast<int>(rest % 31);
  return start + EncodeTime(hours, minutes, seconds, milliseconds) + days;
}

std::string EstimatePattern(const std::string& atText) {
  return "d mmmm yyyy \", " + atText + "\" h:nn.ss";
}

std::string EstimateText(TDateTime start, uint32_t startTick, uint32_t nowTick, int32_t done, int32_t total,
                         const std::string& atText, const TLocaleFormats& formats) {
  // The unsigned difference is right across a wrap of the counter.
  const auto elapsed = static_cast<int32_t>(nowTick - startTick);
  const TDateTime finish = EstimatedFinish(start, EstimatedDuration(elapsed, done, total));
  return FormatDateTime(EstimatePattern(atText), finish, formats);
}

}  // namespace nuvex
