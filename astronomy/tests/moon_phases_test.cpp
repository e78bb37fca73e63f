// Principal and intermediate phases, the searches around a date and the lunation number.
// Meeus, Astronomical Algorithms, examples 49.a and 49.b give the principal instants in
// dynamical time (PhaseTimeDynamical); the searches give Universal Time.
#include "astronomy/moon_phases.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "astronomy/delta_t.h"
#include "astronomy/errors.h"
#include "astronomy/julian_day.h"
#include "astronomy/moon_illumination.h"

namespace orvanto::astro {
namespace {

constexpr double kSecond = 1.0 / 86400.0;

double Serial(int y, int m, int d, int hh = 0, int mm = 0, int ss = 0) {
    return SerialFromCalendar(static_cast<std::uint16_t>(y), static_cast<std::uint16_t>(m),
                              static_cast<std::uint16_t>(d)) +
           (hh * 3600 + mm * 60 + ss) * kSecond;
}

TEST(PhaseTime, ReproducesMeeusExample49a) {
    // New moon of February 1977: JDE 2443192.65118 (18 February, 3h37m42s).
    const double t = PhaseTimeDynamical(mpNewMoon, Serial(1977, 2, 15));
    EXPECT_NEAR(SerialToJulianDay(t), 2443192.65118L, 0.00002L);
    // In Universal Time the instant is Delta T (48 s in 1977) earlier.
    EXPECT_NEAR((t - PhaseTime(mpNewMoon, Serial(1977, 2, 15))) * 86400, 47.9, 0.5);
}

TEST(PhaseTime, ReproducesMeeusExample49b) {
    // The first last quarter of 2044: JDE 2467636.49186 (21 January, 23h47m). Its lunation
    // is the one whose new moon falls on 31 December 2043.
    const double t = PhaseTimeDynamical(mpLastQuarter, Serial(2044, 1, 1));
    EXPECT_NEAR(SerialToJulianDay(t), 2467636.49186L, 0.00002L);
}

TEST(PhaseOnOrAfter, FindsTheFirstPhasesOf2000) {
    struct Case {
        TMoonPhase phase;
        double expected;
    };
    // Instants of the principal phases of January 2000 (to the minute).
    const Case cases[] = {
        {mpNewMoon, Serial(2000, 1, 6, 18, 14)},
        {mpFirstQuarter, Serial(2000, 1, 14, 13, 34)},
        {mpFullMoon, Serial(2000, 1, 21, 4, 40)},
        {mpLastQuarter, Serial(2000, 1, 28, 7, 57)},
    };
    for (const Case& c : cases) {
        EXPECT_NEAR(PhaseOnOrAfter(c.phase, Serial(2000, 1, 1)), c.expected, 1.5 / 1440)
            << MoonPhaseName(c.phase);
    }
}

// At the ends of the span the calendar covers, the phases agree with an independent
// ephemeris (python3-ephem, Universal Time, to the second) within the lunation theory's own
// accuracy of about 20 s: the instants of the theory less Delta T. The first phases of
// 1753 lie before 30 December 1899, where serial dates are negative.
TEST(PhaseOnOrAfter, AgreesWithAnIndependentEphemerisAtTheEndsOfTheSpan) {
    struct Case {
        TMoonPhase phase;
        double from, expected;
    };
    const Case cases[] = {
        {mpNewMoon, Serial(1753, 1, 1), Serial(1753, 1, 4, 14, 33, 53)},
        {mpFirstQuarter, Serial(1753, 1, 1), Serial(1753, 1, 12, 16, 57, 2)},
        {mpFullMoon, Serial(1753, 1, 1), Serial(1753, 1, 19, 10, 50, 38)},
        {mpLastQuarter, Serial(1753, 1, 1), Serial(1753, 1, 26, 5, 55, 0)},
        {mpNewMoon, Serial(1753, 1, 10), Serial(1753, 2, 3, 9, 53, 15)},
        {mpFirstQuarter, Serial(1900, 6, 1), Serial(1900, 6, 5, 6, 58, 35)},
        {mpFirstQuarter, Serial(1901, 7, 20), Serial(1901, 7, 23, 13, 58, 4)},
        {mpLastQuarter, Serial(1900, 12, 10), Serial(1900, 12, 13, 22, 42, 8)},
        {mpNewMoon, Serial(2078, 6, 1), Serial(2078, 6, 10, 1, 48, 42)},
        {mpFullMoon, Serial(2078, 6, 1), Serial(2078, 6, 25, 10, 21, 25)},
    };
    for (const Case& c : cases) {
        EXPECT_NEAR(PhaseOnOrAfter(c.phase, c.from), c.expected, 20 * kSecond)
            << MoonPhaseName(c.phase) << " " << c.from;
    }
}

TEST(PhaseSearches, APhaseInstantIsFoundByBothSearches) {
    for (TMoonPhase p :
         {mpNewMoon, mpFirstQuarter, mpFullMoon, mpLastQuarter, mpWaxingCrescent, mpWaningGibbous}) {
        const double instant = PhaseOnOrAfter(p, Serial(2024, 3, 1));
        EXPECT_EQ(PhaseOnOrBefore(p, instant), instant) << MoonPhaseName(p);
        EXPECT_EQ(PhaseOnOrAfter(p, instant), instant) << MoonPhaseName(p);
        // A second later the searches part.
        EXPECT_GT(PhaseOnOrAfter(p, instant + kSecond), instant + 25) << MoonPhaseName(p);
        EXPECT_LT(PhaseOnOrBefore(p, instant - kSecond), instant - 25) << MoonPhaseName(p);
    }
}

// The searches bracket the date with consecutive occurrences one lunation apart (the
// same phase recurs after 29.1 to 30 days).
TEST(PhaseSearches, BracketEveryDateWithinOneLunation) {
    for (int phase = 0; phase < 8; ++phase) {
        const auto p = static_cast<TMoonPhase>(phase);
        for (double x = Serial(1900, 1, 1); x < Serial(2078, 12, 31); x += 3671.3) {
            const double before = PhaseOnOrBefore(p, x);
            const double after = PhaseOnOrAfter(p, x);
            ASSERT_LE(before, x) << phase << " " << x;
            ASSERT_GE(after, x) << phase << " " << x;
            ASSERT_GT(after - before, 29.1) << phase << " " << x;
            ASSERT_LT(after - before, 30.0) << phase << " " << x;
        }
    }
}

TEST(PhaseSearches, PrincipalPhasesFollowInTheirCycle) {
    double x = Serial(1999, 12, 1);
    TMoonPhase expected =
        PhaseOnOrAfter(mpNewMoon, x) < PhaseOnOrAfter(mpFullMoon, x) ? mpNewMoon : mpFullMoon;
    // Walk phase by phase: each quarter of a lunation lies 6.4 to 8.3 days after the last.
    double last = 0;
    for (int i = 0; i < 200; ++i) {
        double earliest = 1e9;
        TMoonPhase found = mpNewMoon;
        for (TMoonPhase p : {mpNewMoon, mpFirstQuarter, mpFullMoon, mpLastQuarter}) {
            const double t = PhaseOnOrAfter(p, x);
            if (t < earliest) {
                earliest = t;
                found = p;
            }
        }
        if (i > 0) {
            ASSERT_EQ(found, expected) << i;
            ASSERT_GT(earliest - last, 6.4) << i;
            ASSERT_LT(earliest - last, 8.3) << i;
        }
        expected = static_cast<TMoonPhase>((found + 2) % 8);
        last = earliest;
        x = earliest + kSecond;
    }
}

TEST(IntermediatePhases, ReachTheirAgeOfTheLunation) {
    for (TMoonPhase p : {mpWaxingCrescent, mpWaxingGibbous, mpWaningGibbous, mpWaningCrescent}) {
        const double t = PhaseOnOrAfter(p, Serial(2010, 6, 1));
        // The age is reached at the dynamical instant, Delta T after the universal one.
        const double dynamical = t + static_cast<double>(DeltaTSeconds(DecimalYear(t)) / 86400);
        EXPECT_NEAR(MoonAge(dynamical), static_cast<int>(p) * 29.530589L / 8, 1e-6L) << MoonPhaseName(p);
        EXPECT_LT(t - Serial(2010, 6, 1), 29.6) << MoonPhaseName(p);
    }
}

TEST(MoonPhaseName, NamesTheEightPhases) {
    const char* names[] = {"New Moon",  "Waxing Crescent", "First Quarter", "Waxing Gibbous",
                           "Full Moon", "Waning Gibbous",  "Last Quarter",  "Waning Crescent"};
    for (int p = 0; p < 8; ++p) EXPECT_STREQ(MoonPhaseName(static_cast<TMoonPhase>(p)), names[p]);
}

TEST(LunationNumber, CountsFromTheLunationOf17January1923) {
    EXPECT_EQ(LunationNumber(Serial(2000, 1, 7)), 953);
    EXPECT_EQ(LunationNumber(Serial(2000, 2, 4)), 953);
    EXPECT_EQ(LunationNumber(Serial(2000, 2, 6)), 954);
    EXPECT_EQ(LunationNumber(Serial(1923, 1, 18)), 1);
    // The day before a new moon still belongs to the old lunation.
    const double newMoon = PhaseOnOrAfter(mpNewMoon, Serial(2000, 1, 1));
    EXPECT_EQ(LunationNumber(newMoon - kSecond), 952);
    EXPECT_EQ(LunationNumber(newMoon), 953);
}

}  // namespace
}  // namespace orvanto::astro
