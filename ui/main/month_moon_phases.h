// MonthMoonPhases: the principal moon phases whose local date falls in a
// month, walked phase by phase from the first of the month.
#pragma once

#include <vector>

#include "ui/main/month_painting.h"

namespace orvanto {

// At most 10 entries (a month holds at most five); biasMinutes is the
// TimeZoneBias (universal time = local time + bias).
std::vector<MoonPhaseMark> MonthMoonPhases(int year, int month, int biasMinutes);

}  // namespace orvanto
