// Sidereal time at Greenwich (Meeus, Astronomical Algorithms, formula 12.4; the apparent
// value adds the equation of the equinoxes, Meeus ch. 12).
#include "astronomy/sidereal_time.h"

#include "astronomy/angles.h"
#include "astronomy/julian_day.h"
#include "astronomy/nutation.h"

namespace orvanto::astro {

namespace {

// Formula 12.4, before reduction to [0, 360).
long double UnreducedMeanSiderealTime(long double julianDay) {
    const long double t = JulianCenturies(julianDay);
    return 280.46061837L + 360.98564736629L * (julianDay - 2451545.0L) +
           t * t * (0.000387933L - t / 38710000.0L);
}

}  // namespace

long double MeanSiderealTime(double serial) {
    return NormalizeDegrees(UnreducedMeanSiderealTime(SerialToJulianDay(serial)));
}

long double ApparentSiderealTime(double serial) {
    const TNutation nutation = Nutation(serial);
    return NormalizeDegrees(UnreducedMeanSiderealTime(SerialToJulianDay(serial)) +
                            nutation.DeltaPsi * CosDeg(nutation.Epsilon));
}

namespace twilight {

long double MeanSiderealTime(double serial) {
    return NormalizeDegrees(UnreducedMeanSiderealTime(TwilightJulianDay(serial)));
}

}  // namespace twilight

}  // namespace orvanto::astro
