// JulianDayNumber: chronological Julian day number of a Gregorian date, in
// integer arithmetic on March-based years (R. G. Tantzen, "Algorithm 199:
// Conversions between calendar date and Julian day number", CACM 6(8), 1963).
#include "calendar/julian_day_number.h"

namespace orvanto {

int JulianDayNumber(int year, int month, int day) {
    if (month <= 2) {
        year -= 1;
        month += 12;
    }
    const int monthFromMarch = month - 3;
    const int century = year / 100;
    const int yearOfCentury = year % 100;
    return (146097 * century) / 4 + (1461 * yearOfCentury) / 4 + (153 * monthFromMarch + 2) / 5 + day +
           1721119;
}

}  // namespace orvanto
