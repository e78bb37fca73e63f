#include "reminders/date_steps.h"

#include <cmath>

#include "calendar/day_number.h"
#include "calendar/julian_day_number.h"
#include "calendar/month_length.h"
#include "calendar/serial_date.h"

namespace orvanto {

namespace {

int RolledDate(int year, int month, int day) {
    if (year < 100 || year > 9999) return 0;
    return DayNumber(year, month, day);
}

}  // namespace

int StepYears(int dayNumber, int years) {
    const CivilDate date = DateFromDayNumber(dayNumber);
    return RolledDate(date.year + years, date.month, date.day);
}

int StepMonths(int dayNumber, int months) {
    const CivilDate date = DateFromDayNumber(dayNumber);
    const int index = date.year * 12 + (date.month - 1) + months;
    const int year = index >= 0 ? index / 12 : 0;
    const int month = index >= 0 ? index % 12 + 1 : 1;
    return RolledDate(year, month, date.day);
}

int WeekdayOfDayNumber(int dayNumber) {
    const CivilDate date = DateFromDayNumber(dayNumber);
    return static_cast<int>((JulianDayNumber(date.year, date.month, date.day) + 1) % 7);
}

int WeekdayOfMonth(int year, int month, int weekday, int which) {
    if (which >= 5) {
        const int last = DayNumber(year, month, DaysInMonth(month, year));
        return last - (WeekdayOfDayNumber(last) - weekday + 7) % 7;
    }
    const int first = DayNumber(year, month, 1);
    return first + (weekday - WeekdayOfDayNumber(first) + 7) % 7 + 7 * (which - 1);
}

int YearOf(int dayNumber) { return DateFromDayNumber(dayNumber).year; }
int MonthOf(int dayNumber) { return DateFromDayNumber(dayNumber).month; }

LocalMoment LocalMomentOf(double serial) {
    const auto totalMs = static_cast<std::int64_t>(std::llround(serial * static_cast<double>(kMsPerDay)));
    std::int64_t day = totalMs / kMsPerDay;
    std::int64_t ms = totalMs % kMsPerDay;
    if (ms < 0) {
        ms += kMsPerDay;
        --day;
    }
    return {DayNumberFromSerial(static_cast<double>(day)), ms};
}

}  // namespace orvanto
