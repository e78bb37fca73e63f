// The sun's apparent position: from VSOP87D (Meeus, Astronomical Algorithms, ch. 25,
// higher accuracy) and, for the twilight chain, from the low-accuracy method of ch. 25.
#include "astronomy/solar_position.h"

#include "astronomy/angles.h"
#include "astronomy/julian_day.h"
#include "astronomy/nutation.h"
#include "astronomy/position_memo.h"
#include "astronomy/vsop87.h"

namespace orvanto::astro {

namespace {

// 20.4898" of annual aberration, in degrees, at one astronomical unit.
constexpr long double kAberrationDegrees = 0.005691611111L;

// The geocentric longitude and latitude of date from the Earth's heliocentric place: the
// FK5 correction once more, then the aberration (before nutation).
TSkyPosition GeocentricPlace(const THeliocentric& earth, double serial) {
    long double lambda = earth.L + 180.0L;
    long double beta = -earth.B;
    const long double t = (SerialToJulianDay(serial) - 2451545.0L) / 365250.0L * 10.0L;
    const long double lambdaPrime = lambda + t * (-1.397L - 0.00031L * t);
    lambda = lambda - 0.09033L / 3600.0L;
    beta = beta + 0.03916L / 3600.0L * (CosDeg(lambdaPrime) - SinDeg(lambdaPrime));
    lambda = lambda - kAberrationDegrees / earth.R;

    TSkyPosition position;
    position.EclLongitude = NormalizeDegrees(lambda);
    position.EclLatitude = beta;
    position.Distance = earth.R * kAstronomicalUnitKm;
    return position;
}

TSkyPosition ComputeSolarPosition(double serial) {
    TSkyPosition position = GeocentricPlace(EarthHeliocentric(serial), serial);
    EclipticToEquatorial(position, serial);
    return position;
}

}  // namespace

TSkyPosition SolarPosition(double serial) {
    static thread_local PositionMemo memo;
    return memo.Get(serial, ComputeSolarPosition);
}

long double ApparentSolarLongitudeAbridged(double serial) {
    const TSkyPosition position = GeocentricPlace(EarthHeliocentricAbridged(serial), serial);
    return NormalizeDegrees(position.EclLongitude + Nutation(serial).DeltaPsi);
}

long double ApparentSolarLongitude(double serial) {
    const TSkyPosition position = GeocentricPlace(EarthLongitudeAndRadius(serial), serial);
    return NormalizeDegrees(position.EclLongitude + Nutation(serial).DeltaPsi);
}

long double SunDistanceAU(double serial) {
    return SolarPosition(serial).Distance * (1.0L / kAstronomicalUnitKm);
}

long double SunDiameter(double serial) { return 959.63L / SunDistanceAU(serial) * 2.0L; }

namespace {

TSkyPosition ComputeTwilightSolarPosition(double serial) {
    const long double t = JulianCenturies(TwilightJulianDay(serial));
    const long double t2 = t * t;
    const long double m = 357.5291L + 35999.0503L * t - 0.0001559L * t2 - 0.00000048L * t2 * t;
    const long double c = (1.9146L - 0.004817L * t - 0.000014L * t2) * SinDeg(m) +
                          (0.019993L - 0.000101L * t) * SinDeg(2 * m) + 0.00029L * SinDeg(3 * m);
    const long double theta = NormalizeDegrees(280.46645L + 36000.76983L * t + 0.0003032L * t2 + c);
    const long double e = 0.016708617L - 0.000042037L * t - 0.0000001236L * t2;
    const long double radiusKm = 1.000001018L * (1 - e * e) / (1 + e * CosDeg(m + c)) * kAstronomicalUnitKm;
    const long double omega = 125.04452L - 1934.136261L * t + 0.0020708L * t2 + t2 * t / 450000.0L;

    TSkyPosition position;
    position.EclLongitude = NormalizeDegrees(theta - 0.00569L - 0.00478L * SinDeg(omega) -
                                             kAberrationDegrees / (radiusKm / kAstronomicalUnitKm));
    position.EclLatitude = 0;
    position.Distance = radiusKm;
    twilight::EclipticToEquatorial(position, serial);
    return position;
}

}  // namespace

TSkyPosition TwilightSolarPosition(double serial) {
    static thread_local PositionMemo memo;
    return memo.Get(serial, ComputeTwilightSolarPosition);
}

}  // namespace orvanto::astro
