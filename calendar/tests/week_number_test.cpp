#include <gtest/gtest.h>

#include "calendar/month_length.h"
#include "calendar/serial_date.h"
#include "calendar/week_number.h"
#include "calendar/weekday.h"

namespace orvanto {
namespace {

struct SimpleWeekCase {
    CivilDate date;
    bool oldEurope;
    int week;
};

TEST(SimpleWeekNumberTest, KnownWeeks) {
    const SimpleWeekCase cases[] = {
        // 1 January 2023 is a Sunday.
        {{2023, 1, 1}, true, 1},
        {{2023, 1, 2}, true, 2},
        {{2023, 1, 8}, true, 2},
        {{2023, 1, 9}, true, 3},
        {{2023, 1, 1}, false, 1},
        {{2023, 1, 7}, false, 1},
        {{2023, 1, 8}, false, 2},
        {{2023, 12, 31}, false, 53},
        {{2023, 12, 31}, true, 53},
        // 1 January 2024 is a Monday.
        {{2024, 1, 7}, true, 1},
        {{2024, 1, 7}, false, 2},
        {{2024, 12, 31}, true, 53},
        // March 1900, after the end of February that DayNumber counts as leap.
        {{1900, 3, 3}, false, 9},
        {{1900, 3, 4}, false, 10},
        {{1900, 3, 4}, true, 9},
        {{1900, 3, 5}, true, 10},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(SimpleWeekNumber(c.date.year, c.date.month, c.date.day, c.oldEurope), c.week)
            << c.date.year << "-" << c.date.month << "-" << c.date.day << " " << c.oldEurope;
    }
}

// A new week starts exactly on the first weekday of the grid's rows, in every
// year of the calendar.
TEST(SimpleWeekNumberTest, StepsOnTheFirstDayOfTheGridWeek) {
    for (bool oldEurope : {false, true}) {
        const int firstDay = oldEurope ? 1 : 0;  // Monday or Sunday
        for (int year = 1753; year <= 2078; ++year) {
            int previous = 1;
            for (int month = 1; month <= 12; ++month) {
                for (int day = 1; day <= DaysInMonth(month, year); ++day) {
                    const int week = SimpleWeekNumber(year, month, day, oldEurope);
                    const bool startsRow = WeekdayOf(year, month, day) == firstDay;
                    const bool firstOfYear = month == 1 && day == 1;
                    if (firstOfYear) {
                        ASSERT_EQ(week, 1) << year;
                    } else {
                        ASSERT_EQ(week, previous + (startsRow ? 1 : 0))
                            << year << "-" << month << "-" << day << " " << oldEurope;
                    }
                    previous = week;
                }
            }
        }
    }
}

struct IsoWeekCase {
    CivilDate date;
    int week;
};

TEST(IsoWeekNumberTest, KnownWeeks) {
    const IsoWeekCase cases[] = {
        {{2021, 1, 1}, 53},
        {{2021, 1, 3}, 53},
        {{2021, 1, 4}, 1},
        {{2020, 12, 31}, 53},
        {{2008, 12, 29}, 53},
        {{2026, 1, 1}, 1},
        {{2027, 1, 1}, 53},
        {{2027, 1, 4}, 1},
        {{2024, 5, 17}, 20},
        {{2000, 1, 1}, 52},
        {{2000, 1, 3}, 1},
        {{1753, 1, 1}, 1},
        // The end of December keeps counting.
        {{2024, 12, 30}, 53},
        {{2024, 12, 29}, 52},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(IsoWeekNumber(EncodeDate(c.date)), c.week)
            << c.date.year << "-" << c.date.month << "-" << c.date.day;
    }
}

TEST(IsoWeekNumberTest, IgnoresTheTimeOfDay) {
    const double sundayEvening = EncodeDate(2021, 1, 3) + EncodeTime(23, 59, 59, 999);
    EXPECT_EQ(IsoWeekNumber(sundayEvening), 53);
    const double mondayNoon = EncodeDate(2021, 1, 4) + EncodeTime(12, 0, 0);
    EXPECT_EQ(IsoWeekNumber(mondayNoon), 1);
}

}  // namespace
}  // namespace orvanto
