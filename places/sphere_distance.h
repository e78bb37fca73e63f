// The great-circle distance of the distance calculator: two places on a
// sphere of radius 6367.4 km raised by the altitude, through the chord
// between their Cartesian points.
#pragma once

#include <string>

namespace orvanto {

enum class DistanceUnits { English, Metric };

inline constexpr double kEarthRadiusKm = 6367.4;
// Miles per kilometre as the calculator has always shown them.
inline constexpr double kMilesPerKm = 0.625;

// A place as the calculator's boxes hold it.
struct PlaceAngles {
    int latitudeDegrees = 0;
    int latitudeMinutes = 0;
    bool south = false;
    int longitudeDegrees = 0;
    int longitudeMinutes = 0;
    bool west = false;
};

// Height above the sphere in kilometres: altitude in meters (Metric) or in
// feet (English).
double HeightKm(double altitude, DistanceUnits units);

// Distance in kilometres over a sphere of radius kEarthRadiusKm + heightKm:
// colatitude 90 - lat, longitude angle -lon (west) or 360 - lon (east), the
// chord c between the Cartesian points, d = 2R asin(c / 2R).
double SphereDistanceKm(const PlaceAngles& from, const PlaceAngles& to, double heightKm);

// A number in the pattern "##,###0": rounded to a whole number (halves away
// from zero), thousands grouped with `separator`.
std::string GroupedWholeNumber(double value, char separator = ',');

// The result label's text: "3,309 km." (Metric) or "2,068 miles" (English)
// for a distance in kilometres.
std::string DistanceText(double km, DistanceUnits units, char separator = ',');

}  // namespace orvanto
