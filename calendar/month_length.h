// Leap years and month lengths of the Gregorian calendar.
#pragma once

namespace orvanto {

// Divisible by 4 and not by 100, or divisible by 400.
bool IsLeapYear(int year);

// Days of the month (1-12) in that year; 0 for month 0 and for months above 12.
int DaysInMonth(int month, int year);

}  // namespace orvanto
