// Sidereal time at Greenwich (Meeus, Astronomical Algorithms, formula 12.4 and ch. 12).
#pragma once

namespace orvanto::astro {

// Mean sidereal time at Greenwich, degrees [0, 360).
long double MeanSiderealTime(double serial);
// Mean sidereal time plus the equation of the equinoxes, degrees [0, 360).
long double ApparentSiderealTime(double serial);

namespace twilight {
// Mean sidereal time with the Julian day of TwilightJulianDay.
long double MeanSiderealTime(double serial);
}  // namespace twilight

}  // namespace orvanto::astro
