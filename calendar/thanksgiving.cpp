// ThanksgivingDay: the fourth Thursday of November, found by stepping back
// from 28 November.
#include "calendar/thanksgiving.h"

#include "calendar/julian_day_number.h"

namespace orvanto {

namespace {
constexpr int kThursday = 5;  // 1 = Sunday ... 7 = Saturday

int PlatformWeekdayOfNovember(int year, int day) { return (JulianDayNumber(year, 11, day) + 1) % 7 + 1; }
}  // namespace

int ThanksgivingDay(int year) {
    int day = 28;
    while (day > 22 && PlatformWeekdayOfNovember(year, day) != kThursday) --day;
    return day;
}

}  // namespace orvanto
