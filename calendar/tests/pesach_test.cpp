#include <gtest/gtest.h>

#include "calendar/pesach.h"

namespace orvanto {
namespace {

TEST(PesachDateTest, KnownFirstDaysOfPesach) {
    const CivilDate cases[] = {
        {2000, 4, 20}, {2010, 3, 30}, {2021, 3, 28}, {2024, 4, 23}, {2019, 4, 20},
        {2022, 4, 16}, {2023, 4, 6},  {2025, 4, 13}, {2015, 4, 4},  {2016, 4, 23},
    };
    for (const auto& expected : cases) {
        EXPECT_EQ(PesachDate(expected.year), expected) << expected.year;
    }
}

TEST(PesachDateTest, RefusesYearsBefore359) {
    EXPECT_NO_THROW(PesachDate(359));
    try {
        PesachDate(358);
        FAIL() << "no exception";
    } catch (const E_OutOfAlgorithmRange& e) {
        EXPECT_STREQ(e.what(), "Out of range of the algorithm");
    }
    EXPECT_THROW(PesachDate(0), E_OutOfAlgorithmRange);
}

TEST(PesachDateTest, FallsBetweenLateMarchAndLateAprilOverTheCalendarYears) {
    for (int year = 1753; year <= 2078; ++year) {
        const CivilDate d = PesachDate(year);
        ASSERT_EQ(d.year, year);
        ASSERT_TRUE((d.month == 3 && d.day >= 20) || (d.month == 4 && d.day <= 30))
            << year << ": " << d.month << "-" << d.day;
    }
}

}  // namespace
}  // namespace orvanto
