// The moon's apparent geocentric position from the 60 + 60 periodic terms of Meeus,
// Astronomical Algorithms, ch. 47 (tables 47.A and 47.B), with the polynomials of the
// fundamental arguments as printed in the book's first edition (ch. 45).
#include "astronomy/moon_position.h"

#include <cstdlib>

#include "astronomy/angles.h"
#include "astronomy/julian_day.h"
#include "astronomy/moon_tables.h"
#include "astronomy/nutation.h"
#include "astronomy/position_memo.h"

namespace orvanto::astro {

namespace {

struct LunarArguments {
    long double lPrime;  // mean longitude L'
    long double d;       // mean elongation D
    long double m;       // sun's mean anomaly M
    long double mPrime;  // moon's mean anomaly M'
    long double f;       // argument of latitude F
    long double a1, a2, a3;
    long double e;  // eccentricity factor of the Earth's orbit
};

LunarArguments ArgumentsAt(long double t) {
    const long double t2 = t * t;
    const long double t3 = t2 * t;
    const long double t4 = t3 * t;
    LunarArguments a;
    a.lPrime = 218.3164591L + 481267.88134236L * t - 0.0013268L * t2 + t3 / 538841.0L - t4 / 65194000.0L;
    a.d = 297.8502042L + 445267.1115168L * t - 0.0016300L * t2 + t3 / 545868.0L - t4 / 113065000.0L;
    a.m = 357.5291092L + 35999.0502909L * t - 0.0001536L * t2 + t3 / 24490000.0L;
    a.mPrime = 134.9634114L + 477198.8676313L * t + 0.0089970L * t2 + t3 / 69699.0L - t4 / 14712000.0L;
    a.f = 93.2720993L + 483202.0175273L * t - 0.0034029L * t2 - t3 / 3526000.0L + t4 / 863310000.0L;
    a.a1 = 119.75L + 131.849L * t;
    a.a2 = 53.09L + 479264.29L * t;
    a.a3 = 313.45L + 481266.484L * t;
    a.e = 1.0L - 0.002516L * t - 0.0000074L * t2;
    return a;
}

// E for |m| = 1, E^2 for |m| = 2, 1 otherwise.
long double EccentricityFactor(int m, long double e) {
    switch (std::abs(m)) {
    case 1:
        return e;
    case 2:
        return e * e;
    default:
        return 1.0L;
    }
}

long double ArgumentOf(int d, int m, int mPrime, int f, const LunarArguments& a) {
    return d * a.d + m * a.m + mPrime * a.mPrime + f * a.f;
}

TSkyPosition ComputeLunarPosition(double serial) {
    const long double t = JulianCenturies(SerialToJulianDay(serial));
    const LunarArguments a = ArgumentsAt(t);

    long double sumL = 0;
    long double sumR = 0;
    for (const MoonLongitudeDistanceTerm& term : kMoonLongitudeDistanceTerms) {
        const long double arg = ArgumentOf(term.d, term.m, term.mPrime, term.f, a);
        const long double factor = EccentricityFactor(term.m, a.e);
        sumL += term.sigmaL * factor * SinDeg(arg);
        sumR += term.sigmaR * factor * CosDeg(arg);
    }
    long double sumB = 0;
    for (const MoonLatitudeTerm& term : kMoonLatitudeTerms) {
        const long double arg = ArgumentOf(term.d, term.m, term.mPrime, term.f, a);
        sumB += term.sigmaB * EccentricityFactor(term.m, a.e) * SinDeg(arg);
    }

    // Additive terms of Venus (A1), Jupiter (A2) and the flattening of the Earth.
    sumL += 3958.0L * SinDeg(a.a1) + 1962.0L * SinDeg(a.lPrime - a.f) + 318.0L * SinDeg(a.a2);
    sumB += -2235.0L * SinDeg(a.lPrime) + 382.0L * SinDeg(a.a3) + 175.0L * SinDeg(a.a1 - a.f) +
            175.0L * SinDeg(a.a1 + a.f) + 127.0L * SinDeg(a.lPrime - a.mPrime) -
            115.0L * SinDeg(a.lPrime + a.mPrime);

    TSkyPosition position;
    position.EclLongitude = a.lPrime + sumL * 1e-6L;
    position.EclLatitude = sumB * 1e-6L;
    position.Distance = 385000.56L + sumR * 0.001L;
    EclipticToEquatorial(position, serial);
    return position;
}

}  // namespace

TSkyPosition LunarPosition(double serial) {
    static thread_local PositionMemo memo;
    return memo.Get(serial, ComputeLunarPosition);
}

long double MoonDistance(double serial) { return LunarPosition(serial).Distance; }

long double MoonDiameter(double serial) { return 358473400.0L / MoonDistance(serial) * 2.0L; }

}  // namespace orvanto::astro
