#include <gtest/gtest.h>

#include <cmath>

#include "astronomy/angles.h"
#include "astronomy/julian_day.h"
#include "astronomy/nutation.h"
#include "astronomy/seasons.h"
#include "astronomy/solar_position.h"
#include "astronomy/vsop87.h"
#include "astronomy/vsop87d_earth_table.h"

namespace orvanto::astro {
namespace {

double AsDouble(long double x) { return static_cast<double>(x); }

TEST(Vsop87dEarthTable, HoldsTheCompleteSeries) {
    const std::size_t l[6] = {559, 341, 142, 22, 11, 5};
    const std::size_t b[6] = {184, 99, 49, 11, 5, 0};
    const std::size_t r[6] = {526, 292, 139, 27, 10, 3};
    std::size_t total = 0;
    for (int p = 0; p < 6; ++p) {
        EXPECT_EQ(vsop87d_earth::kLongitude[p].count, l[p]) << p;
        EXPECT_EQ(vsop87d_earth::kLatitude[p].count, b[p]) << p;
        EXPECT_EQ(vsop87d_earth::kRadius[p].count, r[p]) << p;
        total += l[p] + b[p] + r[p];
    }
    EXPECT_EQ(total, 2425u);
}

TEST(Vsop87dEarthTable, TellingRowsThroughTheGetters) {
    TVSOPEarth earth;
    TVSOPTerm t;
    earth.LongitudeTerm(0, 0, t);
    EXPECT_EQ(t.A, 175347045.673L);
    EXPECT_EQ(t.B, 0.0L);
    earth.LongitudeTerm(1, 0, t);
    EXPECT_EQ(t.A, 3341656.456L);
    EXPECT_EQ(t.B, 4.66925680417L);
    EXPECT_EQ(t.C, 6283.0758499914L);
    earth.LongitudeTerm(0, 1, t);
    EXPECT_EQ(t.A, 628331966747.491L);
    earth.RadiusTerm(0, 0, t);
    EXPECT_EQ(t.A, 100013988.799L);
    earth.LatitudeTerm(0, 0, t);
    EXPECT_EQ(t.A, 279.62L);
    EXPECT_EQ(t.B, 3.19870156017L);
    EXPECT_EQ(t.C, 84334.66158130829L);
    earth.LongitudeTerm(4, 5, t);
    EXPECT_EQ(t.A, 0.005L);
    EXPECT_EQ(t.B, 1.75600058765L);
    EXPECT_EQ(t.C, 18849.2275499742L);
}

TEST(Vsop87dEarthTable, GettersEndEverySeriesWithTheZeroTerm) {
    TVSOPEarth earth;
    struct Probe {
        char series;
        int index, power;
    };
    for (const Probe p : {Probe{'L', 559, 0}, Probe{'L', 5, 5}, Probe{'L', 0, 6}, Probe{'B', 0, 5},
                          Probe{'B', 184, 0}, Probe{'R', 3, 5}, Probe{'R', -1, 0}}) {
        TVSOPTerm t{1, 1, 1};
        if (p.series == 'L') earth.LongitudeTerm(p.index, p.power, t);
        if (p.series == 'B') earth.LatitudeTerm(p.index, p.power, t);
        if (p.series == 'R') earth.RadiusTerm(p.index, p.power, t);
        EXPECT_EQ(t.A, 0.0L) << p.series << p.power << " " << p.index;
        EXPECT_EQ(t.B, 0.0L);
        EXPECT_EQ(t.C, 0.0L);
    }
}

// Meeus, Astronomical Algorithms, example 25.b (1992 October 13.0) gives L = 19.907372 deg,
// B = -0.644", R = 0.99760775 AU from the abridged Earth series of his appendix; the
// complete series used here lie 0.27" lower in L, 0.10" lower in B and 0.8e-6 AU farther
// (python3-ephem's own VSOP87 evaluation, at the same instant, agrees with the complete
// series to 0.05").
TEST(TVSOPEarth, ComparesWithMeeusExample25b) {
    TVSOPEarth earth;
    earth.Date(EncodeSerialDate(1992, 10, 13));
    EXPECT_NEAR(AsDouble(NormalizeDegrees(RadToDeg(earth.HelioLongitude()))), 19.907372, 0.3 / 3600);
    EXPECT_NEAR(AsDouble(RadToDeg(earth.HelioLatitude())) * 3600, -0.644, 0.12);
    EXPECT_NEAR(AsDouble(earth.Radius()), 0.99760775, 0.000001);
    EXPECT_NEAR(AsDouble(earth.Tau()), -2636.5 / 365250, 1e-15);
}

// Example 25.b goes on: apparent longitude 199 deg 54' 21.818", latitude +0.72",
// right ascension 13h13m30.749s, declination -7 deg 47' 01.74". The sun here uses the
// complete series (0.27" lower, above), applies the FK5 step twice (a further -0.09033" in
// longitude) and the 31-term nutation (0.003" off the full table).
TEST(SolarPosition, ApparentPlaceNearMeeusExample25b) {
    const TSkyPosition sun = SolarPosition(EncodeSerialDate(1992, 10, 13));
    const double arcsec = 1.0 / 3600;
    EXPECT_NEAR(AsDouble(sun.EclLongitude), 199 + 54 / 60.0 + (21.818 - 0.09033 - 0.27) / 3600,
                0.02 * arcsec);
    EXPECT_NEAR(AsDouble(sun.EclLatitude) * 3600, 0.72, 0.2);
    EXPECT_NEAR(AsDouble(sun.RightAscension), (13 + 13 / 60.0 + 30.749 / 3600) * 15, 0.5 * arcsec);
    EXPECT_NEAR(AsDouble(sun.Declination), -(7 + 47 / 60.0 + 1.74 / 3600), 0.5 * arcsec);
    EXPECT_NEAR(AsDouble(sun.Distance), 0.99760775 * 149597869, 150);
}

TEST(SolarPosition, AtJ2000) {
    const double noon = EncodeSerialDate(2000, 1, 1) + 0.5;
    const THeliocentric earth = EarthHeliocentric(noon);
    EXPECT_NEAR(AsDouble(earth.L), 100.38, 0.01);
    const TSkyPosition sun = SolarPosition(noon);
    EXPECT_NEAR(AsDouble(sun.EclLongitude), 280.37, 0.01);
    EXPECT_NEAR(AsDouble(SunDistanceAU(noon)), 0.9833, 0.0001);
}

TEST(SunDiameter, PerihelionAndAphelion) {
    EXPECT_NEAR(AsDouble(SunDiameter(EncodeSerialDate(2024, 1, 3))), 1952, 1.5);
    EXPECT_NEAR(AsDouble(SunDiameter(EncodeSerialDate(2024, 7, 5))), 1888, 1.5);
}

// The low-accuracy sun, Meeus example 25.a (1992 October 13.0): apparent longitude
// 199.90895 deg, right ascension 198.38083 deg, declination -7.78507 deg. This method
// subtracts the aberration twice (-0.00569 and -20.5"/R), so the longitude lies 0.0057 deg
// lower; the full nutation is added on top of the -0.00478 sin(omega) term.
TEST(TwilightSolarPosition, FollowsTheLowAccuracyMethod) {
    const double date = EncodeSerialDate(1992, 10, 13);
    const TSkyPosition sun = TwilightSolarPosition(date);
    const TNutation n = twilight::Nutation(date);
    const double expected = 199.90895 - 0.005691611111 / 0.99766 + static_cast<double>(n.DeltaPsi);
    EXPECT_NEAR(AsDouble(sun.EclLongitude), expected, 0.0001);
    EXPECT_NEAR(AsDouble(sun.Distance) / 149597869, 0.99766, 0.00001);
    EXPECT_EQ(sun.EclLatitude, 0.0L);
    EXPECT_LT(sun.RightAscension, 0);  // full-range arctangent: -161.6 rather than 198.4
    EXPECT_NEAR(AsDouble(NormalizeDegrees(sun.RightAscension)), 198.38083, 0.01);
    EXPECT_NEAR(AsDouble(sun.Declination), -7.78507, 0.01);
    // The twilight chain's clock stops before the Gregorian calendar.
    const TSkyPosition old = TwilightSolarPosition(EncodeSerialDate(1500, 6, 1));
    EXPECT_TRUE(std::isfinite(static_cast<double>(old.EclLongitude)));
}

// The sun's longitude at the dynamical instant is the target within 1e-7 degree (less than
// a hundredth of a second of time).
TEST(SeasonStart, ReachesTheTargetLongitudes) {
    for (int year : {1753, 1899, 2000, 2078}) {
        for (int season = 0; season < 4; ++season) {
            const double t = SeasonStartDynamical(static_cast<std::int16_t>(year), season);
            const long double target = season == 0 ? 270 : (season - 1) * 90.0L;
            EXPECT_LE(std::fabs(AsDouble(AngleDifference(SolarPosition(t).EclLongitude, target))), 1e-7)
                << year << " season " << season;
        }
    }
}

// The instant iterated with the complete series alone, as a reference for the abridged
// search and its one refinement.
double SeasonByCompleteSeries(int year, int season) {
    const long double target = season == 0 ? 270 : (season - 1) * 90.0L;
    double t = SeasonStartDynamical(static_cast<std::int16_t>(year), season) + 0.3;
    for (int i = 0; i < 100; ++i) {
        const long double lambda = SolarPosition(t).EclLongitude;
        if (std::fabs(AsDouble(AngleDifference(lambda, target))) <= 3e-10) break;
        t = static_cast<double>(t + 58.0L * SinDeg(target - lambda));
    }
    return t;
}

TEST(SeasonStart, AgreesWithTheCompleteSeriesIterationWithinTenMilliseconds) {
    for (int year = 1753; year <= 2078; year += 25) {
        for (int season = 0; season < 4; ++season) {
            const double fast = SeasonStartDynamical(static_cast<std::int16_t>(year), season);
            EXPECT_NEAR((fast - SeasonByCompleteSeries(year, season)) * 86400, 0, 0.01)
                << year << " season " << season;
        }
    }
}

// Universal Time is the dynamical instant less Delta T: 74 s in 2024, 144 s in 2074.
TEST(SeasonStart, IsTheDynamicalInstantLessDeltaT) {
    struct Case {
        int year;
        double deltaT;
    };
    for (const Case c : {Case{2024, 74.0}, Case{2074, 144.1}, Case{1900, -2.8}}) {
        const auto year = static_cast<std::int16_t>(c.year);
        EXPECT_NEAR((SeasonStartDynamical(year, ssSpring) - SeasonStart(year, ssSpring)) * 86400, c.deltaT,
                    1.0)
            << c.year;
    }
}

// Meeus table 27.C and example 27.a give the instants in dynamical time; they agree with
// them to the minute.
TEST(SeasonStart, LandsOnTheKnownDates) {
    struct Case {
        int year, season, month, day, hour, minute;
    };
    for (const Case c : {Case{2000, ssSpring, 3, 20, 7, 36}, Case{2000, ssSummer, 6, 21, 1, 48},
                         Case{2000, ssAutumn, 9, 22, 17, 28}, Case{2000, ssWinter, 12, 21, 13, 38},
                         Case{1962, ssSummer, 6, 21, 21, 25}}) {
        const double t = SeasonStartDynamical(static_cast<std::int16_t>(c.year), c.season);
        const double expected = EncodeSerialDate(c.year, c.month, c.day) + (c.hour * 60 + c.minute) / 1440.0;
        EXPECT_NEAR(t, expected, 2.0 / 1440) << c.year << " season " << c.season;
    }
}

TEST(SeasonStart, OtherSeasonValuesGiveZero) {
    EXPECT_EQ(SeasonStart(2000, 4), 0.0);
    EXPECT_EQ(SeasonStart(2000, -1), 0.0);
}

}  // namespace
}  // namespace orvanto::astro

namespace orvanto::astro {
namespace {

// An independent evaluation of the series with the library's cosl, straight from the
// table, against the getters and the series evaluation.
long double ReferenceSeries(const vsop87d_earth::Series (&series)[6], long double tau) {
    long double result = 0;
    for (int power = 5; power >= 0; --power) {
        long double sum = 0;
        for (std::size_t i = 0; i < series[power].count; ++i) {
            const vsop87d_earth::Row& row = series[power].rows[i];
            sum += row.a * std::cos(row.b + row.c * tau);
        }
        result = result * tau + sum;
    }
    return result * 1e-8L;
}

TEST(TVSOPEarth, SeriesAgreeWithAnIndependentSum) {
    for (const double serial : {EncodeSerialDate(1900, 1, 1), EncodeSerialDate(1987, 4, 10) + 0.3,
                                EncodeSerialDate(2078, 12, 31) + 0.9}) {
        TVSOPEarth earth;
        earth.Date(serial);
        const long double tau = earth.Tau();
        EXPECT_NEAR(static_cast<double>(earth.HelioLongitude()),
                    static_cast<double>(ReferenceSeries(vsop87d_earth::kLongitude, tau)), 1e-15);
        EXPECT_NEAR(static_cast<double>(earth.HelioLatitude()),
                    static_cast<double>(ReferenceSeries(vsop87d_earth::kLatitude, tau)), 1e-17);
        EXPECT_NEAR(static_cast<double>(earth.Radius()),
                    static_cast<double>(ReferenceSeries(vsop87d_earth::kRadius, tau)), 1e-17);
    }
}

}  // namespace
}  // namespace orvanto::astro
