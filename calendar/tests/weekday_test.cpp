#include <gtest/gtest.h>

#include <stdexcept>

#include "calendar/julian_day_number.h"
#include "calendar/month_length.h"
#include "calendar/valid_date.h"
#include "calendar/weekday.h"

namespace orvanto {
namespace {

TEST(JulianDayNumberTest, KnownDays) {
    EXPECT_EQ(JulianDayNumber(2000, 1, 1), 2451545);
    EXPECT_EQ(JulianDayNumber(1858, 11, 17), 2400001);  // modified Julian day 0
    EXPECT_EQ(JulianDayNumber(1900, 3, 1) - JulianDayNumber(1900, 2, 28), 1);
}

struct WeekdayCase {
    int year;
    int month;
    int day;
    int weekday;  // 0 = Sunday
};

TEST(WeekdayOfTest, KnownWeekdays) {
    const WeekdayCase cases[] = {
        {2000, 1, 1, 6}, {1753, 1, 1, 1},  {2078, 12, 31, 6}, {2023, 1, 1, 0},
        {1900, 3, 1, 4}, {1800, 2, 26, 3}, {2024, 3, 31, 0},  {1899, 12, 30, 6},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(WeekdayOf(c.year, c.month, c.day), c.weekday) << c.year << "-" << c.month << "-" << c.day;
    }
}

// The two weekday rules of the calendar (serial dates, Julian day numbers) agree
// on every date of the supported years.
TEST(WeekdayOfTest, AgreesWithTheJulianDayNumberRule) {
    for (int year = kFirstCalendarYear; year <= kLastCalendarYear; ++year) {
        for (int month = 1; month <= 12; ++month) {
            for (int day = 1; day <= DaysInMonth(month, year); ++day) {
                ASSERT_EQ(WeekdayOf(year, month, day), (JulianDayNumber(year, month, day) + 1) % 7)
                    << year << "-" << month << "-" << day;
            }
        }
    }
}

TEST(WeekdayOfTest, RefusesADateThatDoesNotExist) {
    EXPECT_THROW(WeekdayOf(1900, 2, 29), std::invalid_argument);
}

}  // namespace
}  // namespace orvanto
