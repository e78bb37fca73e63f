// MonthMoonPhases over the astronomy engine's phase instants.
#include "ui/main/month_moon_phases.h"

#include <gtest/gtest.h>

#include "astronomy/moon_phases.h"
#include "calendar/serial_date.h"

namespace orvanto {
namespace {

TEST(MonthMoonPhases, February2015HoldsTheFourPrincipalPhasesInOrder) {
    // Full moon 3 Feb 23:09 UT, last quarter 12 Feb, new moon 18 Feb, first quarter 25 Feb.
    const std::vector<MoonPhaseMark> marks = MonthMoonPhases(2015, 2, 0);
    ASSERT_EQ(marks.size(), 4u);
    EXPECT_EQ(marks[0].day, 3);
    EXPECT_EQ(marks[0].phase, 4);
    EXPECT_EQ(marks[1].phase, 6);
    EXPECT_EQ(marks[2].day, 18);
    EXPECT_EQ(marks[2].phase, 0);
    EXPECT_EQ(marks[3].phase, 2);
    EXPECT_NEAR(marks[0].timeOfDay, (23 + 9 / 60.0) / 24.0, 3.0 / 1440);
}

TEST(MonthMoonPhases, LocalTimeDecidesTheDay) {
    // The same full moon is on the 4th an hour and more east of Greenwich.
    const std::vector<MoonPhaseMark> marks = MonthMoonPhases(2015, 2, -60);
    ASSERT_FALSE(marks.empty());
    EXPECT_EQ(marks[0].day, 4);
    EXPECT_NEAR(marks[0].timeOfDay, (9 / 60.0) / 24.0, 3.0 / 1440);
}

TEST(MonthMoonPhases, APhaseBeforeTheFirstInLocalTimeIsSkippedAndTheWalkGoesOn) {
    // Find a month whose first phase falls in the first hours of the 1st in
    // universal time; five hours west of Greenwich it belongs to the month before.
    int found = 0;
    for (int year = 2000; year <= 2030 && found == 0; ++year) {
        for (int month = 1; month <= 12 && found == 0; ++month) {
            const double first = EncodeDate(year, month, 1);
            for (int code : {0, 2, 4, 6}) {
                const double t = astro::PhaseOnOrAfter(static_cast<astro::TMoonPhase>(code), first);
                if (t - first >= 4.0 / 24) continue;
                const std::vector<MoonPhaseMark> west = MonthMoonPhases(year, month, 300);
                const std::vector<MoonPhaseMark> utc = MonthMoonPhases(year, month, 0);
                ASSERT_FALSE(utc.empty());
                EXPECT_EQ(utc[0].day, 1);
                EXPECT_EQ(utc[0].phase, code);
                EXPECT_EQ(west.size() + 1, utc.size()) << year << "-" << month;
                for (std::size_t i = 0; i < west.size(); ++i) EXPECT_EQ(west[i].phase, utc[i + 1].phase);
                found = year * 100 + month;
                break;
            }
        }
    }
    EXPECT_NE(found, 0) << "no such month in 2000-2030";
}

}  // namespace
}  // namespace orvanto
