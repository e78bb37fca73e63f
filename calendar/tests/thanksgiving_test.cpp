#include <gtest/gtest.h>

#include "calendar/thanksgiving.h"
#include "calendar/weekday.h"

namespace orvanto {
namespace {

TEST(ThanksgivingDayTest, KnownFourthThursdays) {
    const std::pair<int, int> cases[] = {
        {2023, 23}, {2024, 28}, {2025, 27}, {2022, 24}, {2018, 22}, {2000, 23},
    };
    for (const auto& [year, day] : cases) EXPECT_EQ(ThanksgivingDay(year), day) << year;
}

TEST(ThanksgivingDayTest, IsAlwaysTheFourthThursday) {
    for (int year = 1753; year <= 2078; ++year) {
        const int day = ThanksgivingDay(year);
        ASSERT_GE(day, 22) << year;
        ASSERT_LE(day, 28) << year;
        ASSERT_EQ(WeekdayOf(year, 11, day), 4) << year;
    }
}

}  // namespace
}  // namespace orvanto
