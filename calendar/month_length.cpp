// Leap years and month lengths of the Gregorian calendar.
#include "calendar/month_length.h"

namespace orvanto {

namespace {
constexpr int kCommonYearMonthLengths[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
}

bool IsLeapYear(int year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

int DaysInMonth(int month, int year) {
    if (month < 1 || month > 12) return 0;
    if (month == 2 && IsLeapYear(year)) return 29;
    return kCommonYearMonthLengths[month - 1];
}

}  // namespace orvanto
