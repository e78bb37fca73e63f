// The month view's moon glyphs before 30 December 1899, where serial dates are negative:
// each phase falls on its own day.
#include <gtest/gtest.h>

#include <vector>

#include "ui/main/month_moon_phases.h"

namespace orvanto {
namespace {

TEST(MonthMoonGlyphs, January1753FallsOnTheDaysOfThePhases) {
    // New moon 4 January 14:34 UT, first quarter the 12th, full moon the 19th, last
    // quarter the 26th (an independent ephemeris agrees to the minute).
    const std::vector<MoonPhaseMark> marks = MonthMoonPhases(1753, 1, 0);
    ASSERT_EQ(marks.size(), 4u);
    const int days[] = {4, 12, 19, 26};
    const int codes[] = {0, 2, 4, 6};
    for (std::size_t i = 0; i < marks.size(); ++i) {
        EXPECT_EQ(marks[i].day, days[i]) << i;
        EXPECT_EQ(marks[i].phase, codes[i]) << i;
    }
    // 14:33:54 as a fraction of the day, counted forward from midnight.
    EXPECT_NEAR(marks[0].timeOfDay * 24, 14 + 33.9 / 60, 0.01);
}

// Ten hours west of Greenwich the new moon of 4 January 1753 is still on the 4th, at 04:34.
TEST(MonthMoonGlyphs, ZoneBiasBeforeTheEpoch) {
    const std::vector<MoonPhaseMark> marks = MonthMoonPhases(1753, 1, 600);
    ASSERT_FALSE(marks.empty());
    EXPECT_EQ(marks[0].day, 4);
    EXPECT_NEAR(marks[0].timeOfDay * 24, 4 + 33.9 / 60, 0.01);
}

}  // namespace
}  // namespace orvanto
