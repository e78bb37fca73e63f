// Day of year, days left in the year and days from today, as DayNumber differences.
#pragma once

#include <string>

#include "calendar/civil_date.h"

namespace orvanto {

// 1 for 1 January. After February of 1800 and 1900 the count runs as in a
// leap year (1 March 1900 is day 61), as DayNumber does.
int DayOfYear(const CivilDate& date);

// 0 for 31 December.
int DaysLeftInYear(const CivilDate& date);

// Positive for dates after today.
int DaysFromToday(const CivilDate& date, const CivilDate& today);

// "+0", "+12", "-3": a leading "+" when zero or positive.
std::string SignedDaysText(int days);

}  // namespace orvanto
