// DayNumber: the continuous day count in which reminder dates are stored.
//
// The count treats every year divisible by 4 as a leap year (no century rule),
// so it holds a phantom 29 February in 1800, 1900 and 2100. Stored reminder
// dates depend on it: the formula must not change.
#pragma once

#include "calendar/civil_date.h"

namespace orvanto {

// floor(365.25 * y') + floor(30.6001 * m') + day, with March-based years.
// 0 when day is outside 1-31, month outside 1-12 or year outside 1-9999;
// a year below 100 is taken as 1900 + year. The day is not compared with the
// month's length (31 February 2000 counts as 2 March 2000).
int DayNumber(int year, int month, int day);
inline int DayNumber(const CivilDate& date) { return DayNumber(date.year, date.month, date.day); }

// The inverse of DayNumber; exact for every date of 1753-2078.
CivilDate DateFromDayNumber(int dayNumber);

}  // namespace orvanto
