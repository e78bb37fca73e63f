// Angle helpers in degrees for the main and the twilight computation chains.
#include "astronomy/angles.h"

#include <cmath>

namespace orvanto::astro {

namespace {

// Sine and cosine of an angle in [0, 2 pi) in extended precision. On x86 the FPU's fsin
// and fcos compute them within one unit in the last place of the library's sinl and cosl
// for such arguments, several times faster.
long double SinOfReduced(long double radians) {
#if defined(__x86_64__) || defined(__i386__)
    long double result;
    asm("fsin" : "=t"(result) : "0"(radians));
    return result;
#else
    return std::sin(radians);
#endif
}

long double CosOfReduced(long double radians) {
#if defined(__x86_64__) || defined(__i386__)
    long double result;
    asm("fcos" : "=t"(result) : "0"(radians));
    return result;
#else
    return std::cos(radians);
#endif
}

}  // namespace

long double NormalizeDegrees(long double x) {
    long double r = x - 360.0L * std::nearbyint(x / 360.0L);
    while (r < 0) r += 360.0L;
    return r;
}

long double DegToRad(long double degrees) { return degrees * (1.0L / 180.0L) * kPi; }

long double RadToDeg(long double radians) { return radians * 180.0L * kOneOverPi; }

long double SinDeg(long double x) { return SinOfReduced(DegToRad(NormalizeDegrees(x))); }

long double CosDeg(long double x) { return CosOfReduced(DegToRad(NormalizeDegrees(x))); }

long double TanDeg(long double x) {
    const long double r = DegToRad(NormalizeDegrees(x));
    return SinOfReduced(r) / CosOfReduced(r);
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
