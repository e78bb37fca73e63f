#include <gtest/gtest.h>

#include "calendar/day_counts.h"

namespace orvanto {
namespace {

struct DayOfYearCase {
    CivilDate date;
    int dayOfYear;
    int daysLeft;
};

TEST(DayCountsTest, DayOfYearAndDaysLeft) {
    const DayOfYearCase cases[] = {
        {{2023, 1, 1}, 1, 364},
        {{2023, 12, 31}, 365, 0},
        {{2024, 12, 31}, 366, 0},
        {{2023, 3, 1}, 60, 305},
        {{2024, 3, 1}, 61, 305},
        // DayNumber counts 1900 as a leap year.
        {{1900, 3, 1}, 61, 305},
        {{1900, 1, 1}, 1, 365},
        {{1900, 12, 31}, 366, 0},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(DayOfYear(c.date), c.dayOfYear) << c.date.year << "-" << c.date.month;
        EXPECT_EQ(DaysLeftInYear(c.date), c.daysLeft) << c.date.year << "-" << c.date.month;
    }
}

TEST(DayCountsTest, DaysFromTodayWithItsSign) {
    const CivilDate today{2024, 3, 1};
    EXPECT_EQ(DaysFromToday(today, today), 0);
    EXPECT_EQ(DaysFromToday({2024, 2, 27}, today), -3);
    EXPECT_EQ(DaysFromToday({2025, 3, 1}, today), 365);
    EXPECT_EQ(SignedDaysText(0), "+0");
    EXPECT_EQ(SignedDaysText(-3), "-3");
    EXPECT_EQ(SignedDaysText(12), "+12");
    EXPECT_EQ(SignedDaysText(DaysFromToday({2024, 2, 27}, today)), "-3");
}

}  // namespace
}  // namespace orvanto
