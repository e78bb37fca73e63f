// Delta T from the Espenak-Meeus polynomials against the published values of the
// observed Delta T, and the seams between their spans.
#include "astronomy/delta_t.h"

#include <gtest/gtest.h>

#include "astronomy/julian_day.h"

namespace orvanto::astro {
namespace {

// The published table of observed Delta T (seconds, at the start of the year).
TEST(DeltaT, AgreesWithThePublishedTable) {
    struct Case {
        double year, seconds;
    };
    for (const Case c : {Case{1750, 13.4}, Case{1800, 13.7}, Case{1850, 7.1}, Case{1900, -2.7},
                         Case{1950, 29.1}, Case{1955, 31.1}, Case{1960, 33.2}, Case{1965, 35.7},
                         Case{1970, 40.2}, Case{1975, 45.5}, Case{1980, 50.5}, Case{1985, 54.3},
                         Case{1990, 56.9}, Case{1995, 60.8}, Case{2000, 63.8}, Case{2005, 64.7}}) {
        EXPECT_NEAR(static_cast<double>(DeltaTSeconds(c.year)), c.seconds, 0.7) << c.year;
    }
}

// Beyond 2005 the polynomials are the published extrapolation (74 s for 2024, where the
// observed value is 69 s).
TEST(DeltaT, ExtrapolatesAsPublished) {
    EXPECT_NEAR(static_cast<double>(DeltaTSeconds(2024)), 73.9, 0.2);
    EXPECT_NEAR(static_cast<double>(DeltaTSeconds(2050)), 93.0, 0.5);
    EXPECT_NEAR(static_cast<double>(DeltaTSeconds(2074.2)), 144.1, 0.2);
    EXPECT_NEAR(static_cast<double>(DeltaTSeconds(2100)), 202.9, 0.5);
}

// Neighbouring spans meet within a second, so no instant jumps at a span's edge.
TEST(DeltaT, SpansJoinWithoutJumps) {
    for (double seam :
         {1700.0, 1800.0, 1860.0, 1900.0, 1920.0, 1941.0, 1961.0, 1986.0, 2005.0, 2050.0, 2150.0}) {
        EXPECT_NEAR(static_cast<double>(DeltaTSeconds(seam - 1e-9)), static_cast<double>(DeltaTSeconds(seam)),
                    1.0)
            << seam;
    }
}

TEST(DeltaT, DecimalYearOfSerialDates) {
    EXPECT_NEAR(static_cast<double>(DecimalYear(EncodeSerialDate(2000, 1, 1))), 2000.0, 1e-9);
    EXPECT_NEAR(static_cast<double>(DecimalYear(EncodeSerialDate(1753, 7, 2))), 1753.5, 0.003);
}

TEST(DeltaT, UniversalTimeIsDeltaTEarlier) {
    const double dynamical = EncodeSerialDate(2024, 3, 20);
    EXPECT_NEAR((dynamical - DynamicalToUniversal(dynamical)) * 86400, 74.0, 0.3);
}

}  // namespace
}  // namespace orvanto::astro
