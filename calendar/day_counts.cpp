// Day of year, days left in the year and days from today: plain differences of
// DayNumber values, so they follow its count across the end of February.
#include "calendar/day_counts.h"

#include "calendar/day_number.h"

namespace orvanto {

int DayOfYear(const CivilDate& date) { return DayNumber(date) - DayNumber(date.year, 1, 1) + 1; }

int DaysLeftInYear(const CivilDate& date) { return DayNumber(date.year, 12, 31) - DayNumber(date); }

int DaysFromToday(const CivilDate& date, const CivilDate& today) {
    return DayNumber(date) - DayNumber(today);
}

std::string SignedDaysText(int days) { return (days >= 0 ? "+" : "") + std::to_string(days); }

}  // namespace orvanto
