#include <gtest/gtest.h>

#include "calendar/easter.h"
#include "calendar/weekday.h"

namespace orvanto {
namespace {

struct EasterCase {
    int year;
    int dayOfMarch;
    CivilDate sunday;
};

TEST(EasterTest, KnownEasterSundays) {
    const EasterCase cases[] = {
        {2000, 54, {2000, 4, 23}}, {2008, 23, {2008, 3, 23}}, {2024, 31, {2024, 3, 31}},
        {2038, 56, {2038, 4, 25}}, {1818, 22, {1818, 3, 22}}, {1943, 56, {1943, 4, 25}},
        {2019, 52, {2019, 4, 21}}, {2025, 51, {2025, 4, 20}}, {1800, 44, {1800, 4, 13}},
        {1900, 46, {1900, 4, 15}}, {1954, 49, {1954, 4, 18}}, {1981, 50, {1981, 4, 19}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(EasterDayOfMarch(c.year), c.dayOfMarch) << c.year;
        EXPECT_EQ(EasterSunday(c.year), c.sunday) << c.year;
    }
}

TEST(EasterTest, AlwaysASundayBetween22MarchAnd25April) {
    for (int year = 1753; year <= 2078; ++year) {
        const int offset = EasterDayOfMarch(year);
        ASSERT_GE(offset, 22) << year;
        ASSERT_LE(offset, 56) << year;
        const CivilDate sunday = EasterSunday(year);
        ASSERT_EQ(WeekdayOf(sunday.year, sunday.month, sunday.day), 0) << year;
    }
}

// The Gregorian Easter of Meeus, Astronomical Algorithms, ch. 8 (after the
// anonymous 1876 method), an independent check of the computus over the
// calendar's years.
CivilDate MeeusEaster(int year) {
    const int a = year % 19, b = year / 100, c = year % 100;
    const int d = b / 4, e = b % 4, f = (b + 8) / 25, g = (b - f + 1) / 3;
    const int h = (19 * a + b - d - g + 15) % 30;
    const int i = c / 4, k = c % 4;
    const int l = (32 + 2 * e + 2 * i - h - k) % 7;
    const int m = (a + 11 * h + 22 * l) / 451;
    const int n = h + l - 7 * m + 114;
    return {year, n / 31, n % 31 + 1};
}

TEST(EasterTest, AgreesWithMeeusOverTheCalendarYears) {
    for (int year = 1753; year <= 2078; ++year) {
        ASSERT_EQ(EasterSunday(year), MeeusEaster(year)) << year;
    }
}

struct RelatedCase {
    int year;
    int offset;
    CivilDate date;
};

TEST(EasterRelatedDateTest, FeastsCountedOnTheRealCalendar) {
    const RelatedCase cases[] = {
        {2008, -46, {2008, 2, 6}},
        {2008, -7, {2008, 3, 16}},
        {2024, 1, {2024, 4, 1}},
        {2024, -3, {2024, 3, 28}},
        {2024, -2, {2024, 3, 29}},
        {2024, -1, {2024, 3, 30}},
        // Ash Wednesday in 1800 and 1900, where DayNumber holds a 29 February
        // that the wall calendar does not.
        {1800, -46, {1800, 2, 26}},
        {1900, -46, {1900, 2, 28}},
        {2000, -46, {2000, 3, 8}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(EasterRelatedDate(c.year, c.offset), c.date) << c.year << " " << c.offset;
    }
}

TEST(EasterRelatedDateTest, AshWednesdayIsAlwaysAWednesday) {
    for (int year = 1753; year <= 2078; ++year) {
        const CivilDate ash = EasterRelatedDate(year, -46);
        ASSERT_EQ(WeekdayOf(ash.year, ash.month, ash.day), 3) << year;
    }
}

}  // namespace
}  // namespace orvanto
