// Week numbers: the month grid's row count from 1 January, and the Monday-based
// count whose week 1 holds the year's first Thursday (after ISO 8601, without
// its roll-over of late December into the next year's week 1).
#include "calendar/week_number.h"

#include "calendar/serial_date.h"
#include "calendar/weekday.h"

namespace orvanto {

namespace {

// Day of the year on the real calendar (1 = 1 January). The grid rows follow
// the real weekdays, so the count must not include DayNumber's phantom
// 29 February of 1800 and 1900.
int RealDayOfYear(int year, int month, int day) {
    return static_cast<int>(EncodeDate(year, month, day) - EncodeDate(year, 1, 1)) + 1;
}

}  // namespace

int SimpleWeekNumber(int year, int month, int day, bool oldEurope) {
    const int dayOfYear = RealDayOfYear(year, month, day);
    int firstWeekday = WeekdayOf(year, 1, 1);  // 0 = Sunday
    if (oldEurope) firstWeekday = firstWeekday == 0 ? 6 : firstWeekday - 1;
    return (dayOfYear - 1 + firstWeekday) / 7 + 1;
}

int IsoWeekNumber(double serialDate) {
    const double date = DateOf(serialDate);
    const int year = DecodeDate(date).year;
    const double firstOfJanuary = EncodeDate(year, 1, 1);
    const int toFirstThursday = (12 - DayOfWeek(firstOfJanuary)) % 7;
    const double mondayOfWeekOne = firstOfJanuary + toFirstThursday - 3;
    if (date < mondayOfWeekOne) return IsoWeekNumber(EncodeDate(year - 1, 12, 31));
    return static_cast<int>(date - mondayOfWeekOne) / 7 + 1;
}

}  // namespace orvanto
