// The moon's position against Meeus, Astronomical Algorithms, example 47.a (1992 April 12,
// 0h), which the first-edition arguments reproduce to the printed digits.
#include "astronomy/moon_position.h"

#include <gtest/gtest.h>

#include <cmath>

#include "astronomy/julian_day.h"

namespace orvanto::astro {
namespace {

TEST(LunarPosition, ReproducesMeeusExample47a) {
    const TSkyPosition p = LunarPosition(SerialFromCalendar(1992, 4, 12));
    // Geometric longitude 133.162655 + nutation 0.004610 = apparent 133.167265.
    EXPECT_NEAR(p.EclLongitude, 133.167265L, 0.000006L);
    EXPECT_NEAR(p.EclLatitude, -3.229126L, 0.000002L);
    EXPECT_NEAR(p.Distance, 368409.7L, 0.05L);
    EXPECT_NEAR(p.RightAscension, 134.688470L, 0.000006L);
    EXPECT_NEAR(p.Declination, 13.768368L, 0.000006L);
}

TEST(LunarPosition, DistanceAndDiameterFollowThePosition) {
    const double serial = SerialFromCalendar(1992, 4, 12);
    EXPECT_EQ(MoonDistance(serial), LunarPosition(serial).Distance);
    // 358473400 / 368409.7 x 2 arcseconds.
    EXPECT_NEAR(MoonDiameter(serial), 1946.05L, 0.01L);
}

// Over a long span the distance stays within the moon's known range and the latitude
// within the inclination of its orbit.
TEST(LunarPosition, StaysWithinTheOrbitsBoundsFrom1900To2078) {
    const double from = SerialFromCalendar(1900, 1, 1);
    const double to = SerialFromCalendar(2078, 12, 31);
    for (double serial = from; serial < to; serial += 97.3) {
        const TSkyPosition p = LunarPosition(serial);
        ASSERT_GT(p.Distance, 356000.0L) << serial;
        ASSERT_LT(p.Distance, 407000.0L) << serial;
        ASSERT_LT(std::fabs(p.EclLatitude), 5.35L) << serial;
        ASSERT_GE(p.EclLongitude, 0.0L);
        ASSERT_LT(p.EclLongitude, 360.0L);
    }
}

}  // namespace
}  // namespace orvanto::astro
