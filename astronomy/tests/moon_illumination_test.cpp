// The moon's phase angle, illuminated fraction and age: Meeus, Astronomical Algorithms,
// example 48.a, and their behaviour around the phases.
#include "astronomy/moon_illumination.h"

#include <gtest/gtest.h>

#include "astronomy/julian_day.h"
#include "astronomy/moon_phases.h"

namespace orvanto::astro {
namespace {

constexpr double kMinute = 1.0 / 1440.0;

TEST(MoonIllumination, ReproducesMeeusExample48a) {
    // 1992 April 12, 0h: i = 69.0756 degrees, k = 0.6786, waxing.
    const double serial = SerialFromCalendar(1992, 4, 12);
    EXPECT_NEAR(MoonPhaseAngle(serial), 69.0756L, 0.0001L);
    EXPECT_NEAR(MoonLitFraction(serial), 0.6786L, 0.00005L);
}

TEST(MoonIllumination, LitFractionAtThePrincipalPhases) {
    struct Case {
        TMoonPhase phase;
        long double fraction, tolerance;
    };
    // At new and full moon the fraction is 0 or 1 within the moon's latitude (up to 5
    // degrees of phase angle); at the quarters it is a half within a degree or so.
    const Case cases[] = {{mpNewMoon, 0.0L, 0.003L},
                          {mpFirstQuarter, 0.5L, 0.01L},
                          {mpFullMoon, 1.0L, 0.003L},
                          {mpLastQuarter, 0.5L, 0.01L}};
    for (double from = SerialFromCalendar(2001, 1, 1); from < SerialFromCalendar(2003, 1, 1); from += 61) {
        for (const Case& c : cases) {
            const double t = PhaseOnOrAfter(c.phase, from);
            EXPECT_NEAR(MoonLitFraction(t), c.fraction, c.tolerance) << MoonPhaseName(c.phase);
        }
    }
}

// The phase angle is near 180 degrees at new moon, where it turns from waning (negative)
// to waxing (positive), and near 0 at full moon, where it turns back.
TEST(MoonIllumination, PhaseAngleTurnsFromWaningToWaxingAtNewMoon) {
    const double newMoon = PhaseOnOrAfter(mpNewMoon, SerialFromCalendar(2024, 6, 1));
    EXPECT_LT(MoonPhaseAngle(newMoon - 10 * kMinute), -174.0L);
    EXPECT_GT(MoonPhaseAngle(newMoon + 10 * kMinute), 174.0L);
    const double fullMoon = PhaseOnOrAfter(mpFullMoon, newMoon);
    const long double before = MoonPhaseAngle(fullMoon - 10 * kMinute);
    const long double after = MoonPhaseAngle(fullMoon + 10 * kMinute);
    EXPECT_GT(before, 0.0L);
    EXPECT_LT(before, 6.0L);
    EXPECT_LT(after, 0.0L);
    EXPECT_GT(after, -6.0L);
}

TEST(MoonAge, WrapsAtNewMoon) {
    // The positions take their date as dynamical time, so the new moon in that scale.
    const double newMoon = PhaseTimeDynamical(mpNewMoon, SerialFromCalendar(2024, 6, 6));
    EXPECT_NEAR(MoonAge(newMoon - kMinute), 29.530589L, 0.01L);
    EXPECT_NEAR(MoonAge(newMoon + kMinute), 0.0L, 0.01L);
    const long double full = MoonAge(PhaseTimeDynamical(mpFullMoon, newMoon + 14));
    EXPECT_NEAR(full, 29.530589L / 2, 0.001L);
}

}  // namespace
}  // namespace orvanto::astro
