// The sun's apparent geocentric position from VSOP87D (the higher-accuracy method of
// Meeus, Astronomical Algorithms, ch. 25), its distance and diameter, and the low-accuracy
// position of the twilight chain (Meeus ch. 25, first method).
#pragma once

#include "astronomy/sky_position.h"

namespace orvanto::astro {

inline constexpr long double kAstronomicalUnitKm = 149597869.0L;

TSkyPosition SolarPosition(double serial);

// SolarPosition(serial).Distance in astronomical units.
long double SunDistanceAU(double serial);

// The sun's apparent longitude (degrees) as SolarPosition computes it, from the abridged
// Earth series: within about a second of arc, a twentieth of the cost.
long double ApparentSolarLongitudeAbridged(double serial);
// The same from the complete longitude series: SolarPosition's EclLongitude within 1e-9
// degree, at half its cost.
long double ApparentSolarLongitude(double serial);

// Apparent diameter in arcseconds: 959.63 / SunDistanceAU x 2.
long double SunDiameter(double serial);

// Twilight chain: the low-accuracy apparent position (EclLatitude 0).
TSkyPosition TwilightSolarPosition(double serial);

}  // namespace orvanto::astro
