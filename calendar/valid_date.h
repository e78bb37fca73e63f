// The range of dates the calendar works in: 1 January 1753 to 31 December 2078.
#pragma once

namespace orvanto {

inline constexpr int kFirstCalendarYear = 1753;
inline constexpr int kLastCalendarYear = 2078;

// True when the year is within 1753-2078, the month within 1-12 and the day
// within 1 and the month's length.
bool IsValidDate(int day, int month, int year);

}  // namespace orvanto
