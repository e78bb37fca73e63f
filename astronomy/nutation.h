// Nutation in longitude and the true obliquity of the ecliptic, from the 31 largest terms
// of the IAU 1980 theory (Meeus, Astronomical Algorithms, ch. 22), and the conversion of
// ecliptic to equatorial coordinates (Meeus ch. 13).
#pragma once

#include "astronomy/sky_position.h"

namespace orvanto::astro {

struct TNutation {
    long double DeltaPsi = 0;      // nutation in longitude, degrees
    long double Epsilon = 0;       // true obliquity of the ecliptic, degrees
    long double DeltaEpsilon = 0;  // nutation in obliquity, degrees
};

TNutation Nutation(double serial);

// Adds the nutation in longitude to EclLongitude and fills RightAscension and Declination.
void EclipticToEquatorial(TSkyPosition& position, double serial);

namespace twilight {

// The same theory, with the Julian day of TwilightJulianDay.
TNutation Nutation(double serial);
// As the main chain's, with the full-range arctangent for the right ascension.
void EclipticToEquatorial(TSkyPosition& position, double serial);

}  // namespace twilight

}  // namespace orvanto::astro
