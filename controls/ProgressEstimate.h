#pragma once
// The completion estimate of a progress bar: from the time elapsed since
// timing last restarted and the share of the range done, the date and time at
// which the range will be complete, as a text.
#include <cstdint>
#include <string>

#include "base/DateTime.h"
#include "platform/LocaleFormats.h"

namespace nuvex {

// Text ids of the player's language table.
inline constexpr int kEstimateAtTextId = 160;      // "at"
inline constexpr int kEstimatePrefixTextId = 161;  // "Estimated date and time: "

// The estimated duration in milliseconds: one second per unit of total when
// nothing is done yet, else MulDiv(elapsed, total, done); a negative result
// (MulDiv's -1 for a quotient beyond 32 bits among them) becomes 0.
int64_t EstimatedDuration(int32_t elapsed, int32_t done, int32_t total);

// start + the duration split into milliseconds, seconds, minutes, hours and
// days, where whole days wrap at 31 (anything above is dropped).
TDateTime EstimatedFinish(TDateTime start, int64_t duration);

// The date-time pattern of the estimate: d mmmm yyyy ", <at>" h:nn.ss
std::string EstimatePattern(const std::string& atText);

// The formatted finish for a start time and tick and the tick now.  Raises
// Error when the finish cannot be formatted.
std::string EstimateText(TDateTime start, uint32_t startTick, uint32_t nowTick, int32_t done, int32_t total,
                         const std::string& atText, const TLocaleFormats& formats);

}  // namespace nuvex
