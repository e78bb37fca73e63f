// The moon's phase angle, illuminated fraction and age from the apparent geocentric
// positions of the sun and the moon (Meeus, Astronomical Algorithms, ch. 48, formulas
// 48.2 with the ecliptic coordinates, 48.3 and 48.1).
#include "astronomy/moon_illumination.h"

#include <cmath>

#include "astronomy/angles.h"
#include "astronomy/moon_position.h"
#include "astronomy/solar_position.h"

namespace orvanto::astro {

namespace {

// The moon's elongation in longitude east of the sun, [0, 360).
long double Elongation(const TSkyPosition& moon, const TSkyPosition& sun) {
    return NormalizeDegrees(moon.EclLongitude - sun.EclLongitude);
}

}  // namespace

long double MoonPhaseAngle(double serial) {
    const TSkyPosition sun = SolarPosition(serial);
    const TSkyPosition moon = LunarPosition(serial);
    // Geocentric elongation psi, then the phase angle seen from the moon.
    const long double psi =
        DegToRad(ArcCosDeg(CosDeg(moon.EclLatitude) * CosDeg(moon.EclLongitude - sun.EclLongitude)));
    const long double q =
        std::atan(sun.Distance * std::sin(psi) / (moon.Distance - sun.Distance * std::cos(psi)));
    long double i = RadToDeg(q);
    if (q < 0) i += 180.0L;
    if (Elongation(moon, sun) > 180.0L) i = -i;
    return i;
}

long double MoonLitFraction(double serial) { return (1.0L + CosDeg(MoonPhaseAngle(serial))) / 2.0L; }

long double MoonAge(double serial) {
    const TSkyPosition sun = SolarPosition(serial);
    const TSkyPosition moon = LunarPosition(serial);
    return Elongation(moon, sun) * (1.0L / 360.0L) * kSynodicMonth;
}

}  // namespace orvanto::astro
