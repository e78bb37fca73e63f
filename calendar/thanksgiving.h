// ThanksgivingDay: the fourth Thursday of November.
#pragma once

namespace orvanto {

// The day of November (22-28) of the fourth Thursday of that year.
int ThanksgivingDay(int year);

}  // namespace orvanto
