// Angle helpers in degrees for the main and the twilight computation chains.
#include "astronomy/angles.h"

#include <cmath>

namespace orvanto::astro {

long double NormalizeDegrees(long double x) {
    long double r = x - 360.0L * std::nearbyint(x / 360.0L);
    while (r < 0) r += 360.0L;
    return r;
}

long double DegToRad(long double degrees) { return degrees * (1.0L / 180.0L) * kPi; }

long double RadToDeg(long double radians) { return radians * 180.0L * kOneOverPi; }

long double SinDeg(long double x) { return std::sin(DegToRad(NormalizeDegrees(x))); }

long double CosDeg(long double x) { return std::cos(DegToRad(NormalizeDegrees(x))); }

long double TanDeg(long double x) {
    const long double r = DegToRad(NormalizeDegrees(x));
    return std::sin(r) / std::cos(r);
}

long double ArcTan2Deg(long double y, long double x) {
    if (x == 0) {
        if (y > 0) return 90.0L;
        if (y < 0) return -90.0L;
        return 0.0L;
    }
    return RadToDeg(std::atan(y / x) + (x < 0 ? kPi : 0.0L));
}

long double ArcSinDeg(long double s) {
    if (s >= 1) return 90.0L;
    if (s <= -1) return -90.0L;
    return RadToDeg(std::atan(s / std::sqrt(1.0L - s * s)));
}

long double ArcCosDeg(long double c) {
    if (c >= 1) return 0.0L;
    if (c <= -1) return 180.0L;
    return RadToDeg(kPi / 2.0L - std::atan(c / std::sqrt(1.0L - c * c)));
}

long double ArcTanDeg(long double t) { return RadToDeg(std::atan(t)); }

long double AngleDifference(long double a, long double b) {
    long double d = NormalizeDegrees(a - b);
    if (d > 180.0L) d -= 360.0L;
    return d;
}

namespace twilight {

long double ArcTan2Deg(long double y, long double x) { return RadToDeg(std::atan2(y, x)); }

long double ArcSinRad(long double s) {
    if (s >= 1) return kPi / 2.0L;
    if (s <= -1) return -kPi / 2.0L;
    return std::atan2(s, std::sqrt(1.0L - s * s));
}

long double ArcCosRad(long double c) {
    if (c >= 1) return 0.0L;
    if (c <= -1) return kPi;
    return std::atan2(std::sqrt(1.0L - c * c), c);
}

long double ArcSinDeg(long double s) { return RadToDeg(ArcSinRad(s)); }

long double ArcCosDeg(long double c) { return RadToDeg(ArcCosRad(c)); }

}  // namespace twilight

}  // namespace orvanto::astro
