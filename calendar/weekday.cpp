// WeekdayOf: the weekday of a civil date, 0 = Sunday ... 6 = Saturday.
#include "calendar/weekday.h"

#include "calendar/serial_date.h"

namespace orvanto {

int WeekdayOf(int year, int month, int day) { return DayOfWeek(EncodeDate(year, month, day)) - 1; }

}  // namespace orvanto
