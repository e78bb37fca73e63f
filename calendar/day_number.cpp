// DayNumber and its inverse: the March-based day count of the classic
// "365.25 / 30.6001" form (cf. Meeus, Astronomical Algorithms, ch. 7), used
// here without the Gregorian century correction.
#include "calendar/day_number.h"

namespace orvanto {

int DayNumber(int year, int month, int day) {
    if (day < 1 || day > 31 || month < 1 || month > 12 || year < 1 || year > 9999) return 0;
    if (year < 100) year += 1900;
    const bool janOrFeb = month <= 2;
    const int marchYear = janOrFeb ? year - 1 : year;
    const int marchMonth = janOrFeb ? month + 13 : month + 1;
    return static_cast<int>(365.25 * marchYear) + static_cast<int>(30.6001 * marchMonth) + day;
}

CivilDate DateFromDayNumber(int dayNumber) {
    const int b = static_cast<int>((dayNumber - 122.1) / 365.25);
    const int daysBeforeYear = static_cast<int>(b * 365.25);
    const int c = static_cast<int>((dayNumber - daysBeforeYear) / 30.6001);
    CivilDate date;
    date.day = dayNumber - daysBeforeYear - static_cast<int>(c * 30.6001);
    date.month = c - 1;
    if (date.month > 12) date.month -= 12;
    date.year = date.month < 3 ? b + 1 : b;
    return date;
}

}  // namespace orvanto
