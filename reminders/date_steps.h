// Steps through the calendar on DayNumber dates, as recurrence and the month
// index take them: a step of years or months passes the date through
// DayNumber and back, so a day missing in the target month rolls into the
// next month, and the rolled date is what the next step starts from.
#pragma once

#include <cstdint>

#include "core/clock.h"

namespace orvanto {

// The date n years later (n negative: earlier), rolled through DayNumber;
// 0 when the result is outside the years DayNumber counts.
int StepYears(int dayNumber, int years);
// The date n months later (n negative: earlier), rolled through DayNumber.
int StepMonths(int dayNumber, int months);

// 0 Sunday .. 6 Saturday. Safe for every DayNumber of a real date and for the
// phantom 29 February of 1800, 1900 and 2100 (which shares 1 March's weekday).
int WeekdayOfDayNumber(int dayNumber);

// The DayNumber of weekday (0..6) number which (1..4) of the month, or of the
// last such weekday of the month for which 5.
int WeekdayOfMonth(int year, int month, int weekday, int which);

// The year and month of a DayNumber date.
int YearOf(int dayNumber);
int MonthOf(int dayNumber);

// Local civil time from the clock: today's DayNumber and the milliseconds
// since midnight (rounded to the millisecond, so 14:30:00 never reads as
// 14:29:59.999).
struct LocalMoment {
    int today = 0;
    std::int64_t msOfDay = 0;
    int Second() const { return static_cast<int>((msOfDay / 1000) % 60); }
};
LocalMoment LocalMomentOf(double serial);
inline LocalMoment LocalNow(const Clock& clock) { return LocalMomentOf(clock.LocalNow()); }

inline constexpr std::int64_t kMsPerDay = 86'400'000;
inline constexpr std::int64_t kMsPerMinute = 60'000;

}  // namespace orvanto
