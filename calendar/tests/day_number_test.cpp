#include <gtest/gtest.h>

#include "calendar/day_number.h"
#include "calendar/month_length.h"
#include "calendar/valid_date.h"

namespace orvanto {
namespace {

TEST(DayNumberTest, WorkedExampleOfFirstJanuary2000) {
    EXPECT_EQ(DayNumber(2000, 1, 1), 730563);
    EXPECT_EQ(DateFromDayNumber(730563), (CivilDate{2000, 1, 1}));
}

TEST(DayNumberTest, HoldsAPhantomTwentyNinthOfFebruaryIn1900) {
    EXPECT_EQ(DayNumber(1900, 2, 28), 694096);
    EXPECT_EQ(DayNumber(1900, 3, 1), 694098);
    EXPECT_EQ(DateFromDayNumber(694097), (CivilDate{1900, 2, 29}));
    EXPECT_EQ(DayNumber(1800, 3, 1) - DayNumber(1800, 2, 28), 2);
    EXPECT_EQ(DayNumber(2000, 3, 1) - DayNumber(2000, 2, 28), 2);  // a real leap day
    EXPECT_EQ(DayNumber(2023, 3, 1) - DayNumber(2023, 2, 28), 1);
}

TEST(DayNumberTest, TakesTwoDigitYearsAsNineteenHundreds) {
    EXPECT_EQ(DayNumber(5, 6, 7), DayNumber(1905, 6, 7));
    EXPECT_EQ(DayNumber(99, 12, 31), DayNumber(1999, 12, 31));
    EXPECT_NE(DayNumber(100, 1, 1), DayNumber(2000, 1, 1));
}

TEST(DayNumberTest, DoesNotCompareTheDayWithTheMonthLength) {
    EXPECT_EQ(DayNumber(2000, 2, 31), DayNumber(2000, 3, 2));
    EXPECT_EQ(DayNumber(2023, 4, 31), DayNumber(2023, 5, 1));
}

TEST(DayNumberTest, GivesZeroOutsideTheAcceptedBounds) {
    const CivilDate outOfBounds[] = {
        {2000, 1, 0}, {2000, 1, 32}, {2000, 0, 1},  {2000, 13, 1},
        {0, 1, 1},    {-5, 1, 1},    {10000, 1, 1}, {2000, -1, 1},
    };
    for (const auto& d : outOfBounds) {
        EXPECT_EQ(DayNumber(d), 0) << d.year << "-" << d.month << "-" << d.day;
    }
    EXPECT_NE(DayNumber(9999, 12, 31), 0);
    EXPECT_NE(DayNumber(1, 1, 1), 0);
}

// Every date of the supported years decodes back to itself, and consecutive
// dates get consecutive counts except across the end of February of 1800 and
// 1900, where the phantom leap day lies.
TEST(DayNumberTest, RoundTripsAndCountsOnOverEverySupportedDate) {
    int previous = DayNumber(kFirstCalendarYear, 1, 1) - 1;
    for (int year = kFirstCalendarYear; year <= kLastCalendarYear; ++year) {
        for (int month = 1; month <= 12; ++month) {
            for (int day = 1; day <= DaysInMonth(month, year); ++day) {
                const int n = DayNumber(year, month, day);
                ASSERT_EQ(DateFromDayNumber(n), (CivilDate{year, month, day}))
                    << year << "-" << month << "-" << day;
                const bool afterPhantomDay = month == 3 && day == 1 && year % 4 == 0 && !IsLeapYear(year);
                ASSERT_EQ(n - previous, afterPhantomDay ? 2 : 1) << year << "-" << month << "-" << day;
                previous = n;
            }
        }
    }
}

}  // namespace
}  // namespace orvanto
