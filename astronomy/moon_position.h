// The moon's apparent geocentric position, distance and apparent diameter (Meeus,
// Astronomical Algorithms, ch. 47, with the fundamental arguments of the first edition).
#pragma once

#include "astronomy/sky_position.h"

namespace orvanto::astro {

// Ecliptic longitude and latitude (degrees, the longitude with nutation), distance (km),
// right ascension and declination (degrees) of the moon at a serial date. The serial date
// is the theory's time argument as given (no dynamical-time correction).
TSkyPosition LunarPosition(double serial);

// LunarPosition(serial).Distance, km.
long double MoonDistance(double serial);

// Apparent diameter in arcseconds: 358473400 / distance x 2.
long double MoonDiameter(double serial);

}  // namespace orvanto::astro
