#include "places/sphere_distance.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace orvanto {

namespace {

struct Point {
    double x, y, z;
};

double SignedDegrees(int degrees, int minutes, bool negative) {
    const double value = degrees + minutes / 60.0;
    return negative ? -value : value;
}

Point CartesianPoint(const PlaceAngles& place, double radius) {
    constexpr double kRadians = std::numbers::pi / 180.0;
    const double latitude = SignedDegrees(place.latitudeDegrees, place.latitudeMinutes, place.south);
    const double longitude = SignedDegrees(place.longitudeDegrees, place.longitudeMinutes, place.west);
    const double colatitude = (90.0 - latitude) * kRadians;
    // The hemisphere choice decides, also at 0 degrees (0 counts as east).
    const double angle = (place.west ? -longitude : 360.0 - longitude) * kRadians;
    return {radius * std::sin(colatitude) * std::cos(angle), radius * std::sin(colatitude) * std::sin(angle),
            radius * std::cos(colatitude)};
}

}  // namespace

double HeightKm(double altitude, DistanceUnits units) {
    return altitude * (units == DistanceUnits::Metric ? 0.001 : 0.0003048);
}

double SphereDistanceKm(const PlaceAngles& from, const PlaceAngles& to, double heightKm) {
    const double radius = kEarthRadiusKm + heightKm;
    const Point a = CartesianPoint(from, radius);
    const Point b = CartesianPoint(to, radius);
    const double chord =
        std::sqrt((a.x - b.x) * (a.x - b.x) + (a.y - b.y) * (a.y - b.y) + (a.z - b.z) * (a.z - b.z));
    // Rounding can put the half chord a hair above the radius for antipodes.
    const double v = std::min(chord / (2.0 * radius), 1.0);
    return 2.0 * radius * std::atan2(v, std::sqrt(std::max(0.0, 1.0 - v * v)));
}

std::string GroupedWholeNumber(double value, char separator) {
    const double rounded = std::round(value);
    std::string digits = std::to_string(static_cast<long long>(std::fabs(rounded)));
    std::string grouped;
    for (std::size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0) grouped += separator;
        grouped += digits[i];
    }
    return (rounded < 0 ? "-" : "") + grouped;
}

std::string DistanceText(double km, DistanceUnits units, char separator) {
    if (units == DistanceUnits::English) return GroupedWholeNumber(km * kMilesPerKm, separator) + " miles";
    return GroupedWholeNumber(km, separator) + " km.";
}

}  // namespace orvanto
