// The distance on the sphere, its units and the result text.
#include "places/sphere_distance.h"

#include <gtest/gtest.h>

#include <numbers>

namespace orvanto {
namespace {

const PlaceAngles kAbbotsford{49, 2, false, 122, 19, true};
const PlaceAngles kZanesville{39, 56, false, 82, 0, true};

TEST(SphereDistanceTest, AbbotsfordToZanesville) {
    const double km = SphereDistanceKm(kAbbotsford, kZanesville, 0.0);
    EXPECT_EQ(DistanceText(km, DistanceUnits::Metric), "3,309 km.");
    EXPECT_EQ(DistanceText(km, DistanceUnits::English), "2,068 miles");
}

TEST(SphereDistanceTest, TheSamePlaceIsZero) {
    const double km = SphereDistanceKm(kAbbotsford, kAbbotsford, 0.0);
    EXPECT_EQ(DistanceText(km, DistanceUnits::Metric), "0 km.");
    EXPECT_EQ(DistanceText(km, DistanceUnits::English), "0 miles");
}

TEST(SphereDistanceTest, AntipodesOnTheEquatorAreHalfTheCircumference) {
    const PlaceAngles east{0, 0, false, 0, 1, false};
    const PlaceAngles west{0, 0, false, 179, 59, true};
    const double km = SphereDistanceKm(east, west, 0.0);
    EXPECT_NEAR(km, std::numbers::pi * 6367.4, 1e-6);
    EXPECT_EQ(DistanceText(km, DistanceUnits::Metric), "20,004 km.");
    // Exact antipodes with a radius grown by the altitude stay finite.
    const PlaceAngles north{90, 0, false, 0, 0, false};
    const PlaceAngles south{90, 0, true, 0, 0, false};
    EXPECT_NEAR(SphereDistanceKm(north, south, 0.3048), std::numbers::pi * (6367.4 + 0.3048), 1e-6);
}

TEST(SphereDistanceTest, TheHemisphereChoiceDecidesAtZeroDegrees) {
    const PlaceAngles origin{0, 0, false, 0, 0, false};
    const PlaceAngles halfSouth{0, 30, true, 0, 0, false};
    const PlaceAngles halfNorth{0, 30, false, 0, 0, false};
    const PlaceAngles halfWest{0, 0, false, 0, 30, true};
    const PlaceAngles halfEast{0, 0, false, 0, 30, false};
    const double halfDegreeKm = 6367.4 * std::numbers::pi / 360.0;
    EXPECT_NEAR(SphereDistanceKm(halfSouth, halfNorth, 0.0), 2 * halfDegreeKm, 1e-6);
    EXPECT_NEAR(SphereDistanceKm(halfWest, halfEast, 0.0), 2 * halfDegreeKm, 1e-6);
    EXPECT_NEAR(SphereDistanceKm(origin, halfSouth, 0.0), halfDegreeKm, 1e-6);
}

TEST(SphereDistanceTest, AltitudeRaisesTheRadius) {
    EXPECT_DOUBLE_EQ(HeightKm(1000, DistanceUnits::Metric), 1.0);
    EXPECT_DOUBLE_EQ(HeightKm(1000, DistanceUnits::English), 0.3048);
    const double ground = SphereDistanceKm(kAbbotsford, kZanesville, 0.0);
    const double raised = SphereDistanceKm(kAbbotsford, kZanesville, 1.0);
    EXPECT_NEAR(raised / ground, (6367.4 + 1.0) / 6367.4, 1e-12);
}

TEST(DistanceTextTest, GroupsThousandsAndRoundsToWholeNumbers) {
    const struct {
        double value;
        const char* text;
    } cases[] = {{0, "0"},
                 {0.49, "0"},
                 {0.5, "1"},
                 {999.4, "999"},
                 {999.5, "1,000"},
                 {1234567, "1,234,567"},
                 {20003.93, "20,004"},
                 {100000, "100,000"}};
    for (const auto& c : cases) EXPECT_EQ(GroupedWholeNumber(c.value), c.text) << c.value;
    EXPECT_EQ(GroupedWholeNumber(1234567, '.'), "1.234.567");
    EXPECT_EQ(DistanceText(1000, DistanceUnits::English), "625 miles");
    EXPECT_EQ(DistanceText(1000, DistanceUnits::Metric), "1,000 km.");
}

}  // namespace
}  // namespace orvanto
