// Angle helpers in degrees, extended precision, for the two computation chains.
//
// The main chain serves sun and moon positions, rise and set, phases, seasons and
// eclipses; the twilight chain (namespace twilight) serves only the twilight times and
// differs in its two-argument arctangent (full range) and its arcsine and arccosine.
#pragma once

namespace orvanto::astro {

inline constexpr long double kPi = 3.1415926535897932385L;
inline constexpr long double kOneOverPi = 0.31830988618379067154L;

// x - 360 * round(x / 360) (ties to even), then brought into [0, 360).
long double NormalizeDegrees(long double x);

long double DegToRad(long double degrees);
long double RadToDeg(long double radians);

long double SinDeg(long double x);
long double CosDeg(long double x);
long double TanDeg(long double x);

// arctan(y / x), plus 180 degrees when x < 0: result in (-90, 270).
// x == 0 gives +90 or -90 by the sign of y (0 when y is 0 too).
long double ArcTan2Deg(long double y, long double x);
// arctan(s / sqrt(1 - s^2)); |s| >= 1 gives +-90.
long double ArcSinDeg(long double s);
// pi/2 - arctan(c / sqrt(1 - c^2)); c >= 1 gives 0, c <= -1 gives 180.
long double ArcCosDeg(long double c);
long double ArcTanDeg(long double t);

// AngleDifference(a, b): NormalizeDegrees(a - b), minus 360 when above 180; in (-180, 180].
long double AngleDifference(long double a, long double b);

namespace twilight {

// Full-range arctangent atan2(y, x) in degrees, (-180, 180].
long double ArcTan2Deg(long double y, long double x);
// Radian-level arcsine and arccosine: atan2(s, sqrt(1 - s^2)) and atan2(sqrt(1 - c^2), c).
long double ArcSinRad(long double s);
long double ArcCosRad(long double c);
long double ArcSinDeg(long double s);
long double ArcCosDeg(long double c);

}  // namespace twilight

}  // namespace orvanto::astro
