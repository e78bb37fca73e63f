// WeekdayOf: the weekday of a civil date, 0 = Sunday ... 6 = Saturday.
#pragma once

namespace orvanto {

// DayOfWeek of the encoded date minus 1. The date must exist on the calendar
// (std::invalid_argument otherwise).
int WeekdayOf(int year, int month, int day);

}  // namespace orvanto
