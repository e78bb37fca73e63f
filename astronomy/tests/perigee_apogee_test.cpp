// The moon's perigee and apogee: Meeus, Astronomical Algorithms, example 50.a, and the
// search for the next passage.
#include "astronomy/perigee_apogee.h"

#include <gtest/gtest.h>

#include "astronomy/delta_t.h"
#include "astronomy/julian_day.h"
#include "astronomy/moon_position.h"

namespace orvanto::astro {
namespace {

double Serial(int y, int m, int d) {
    return SerialFromCalendar(static_cast<std::uint16_t>(y), static_cast<std::uint16_t>(m),
                              static_cast<std::uint16_t>(d));
}

TEST(PerigeeApogeeTime, ReproducesMeeusExample50a) {
    // Apogee of October 1988: k = -148.5, JDE 2447442.3543 (7 October, 20h30m).
    const double t = PerigeeApogeeTime(LunarApsis::Apogee, Serial(1988, 10, 1));
    // The book's instant is dynamical time; the program's is Universal Time.
    EXPECT_NEAR(t, DynamicalToUniversal(JulianDayToSerial(2447442.3543L)), 0.00005);
}

TEST(NextPerigee, ADateThatIsAPerigeeReturnsItself) {
    const double perigee = NextPerigee(Serial(2024, 1, 1));
    EXPECT_EQ(NextPerigee(perigee), perigee);
    const double apogee = NextApogee(Serial(2024, 1, 1));
    EXPECT_EQ(NextApogee(apogee), apogee);
}

// The passages found are at or after the date, one anomalistic month apart at most, and
// the moon's distance there is a local minimum (maximum) of the position theory.
TEST(NextPerigee, FindsPassagesWhereTheDistanceIsExtreme) {
    for (double x = Serial(1900, 1, 1); x < Serial(2078, 12, 31); x += 1733.7) {
        const double perigee = NextPerigee(x);
        const double apogee = NextApogee(x);
        ASSERT_GE(perigee, x);
        ASSERT_GE(apogee, x);
        ASSERT_LT(perigee - x, 28.0);
        ASSERT_LT(apogee - x, 28.0);
        const double hours = 1.0 / 24;
        ASSERT_LT(MoonDistance(perigee), MoonDistance(perigee - 6 * hours)) << x;
        ASSERT_LT(MoonDistance(perigee), MoonDistance(perigee + 6 * hours)) << x;
        ASSERT_GT(MoonDistance(apogee), MoonDistance(apogee - 6 * hours)) << x;
        ASSERT_GT(MoonDistance(apogee), MoonDistance(apogee + 6 * hours)) << x;
    }
}

}  // namespace
}  // namespace orvanto::astro
