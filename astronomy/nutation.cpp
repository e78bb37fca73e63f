// Nutation and obliquity from the 31 largest terms of the IAU 1980 theory (Meeus,
// Astronomical Algorithms, ch. 22, table 22.A), and ecliptic to equatorial (Meeus ch. 13).
#include "astronomy/nutation.h"

#include <cstdint>

#include "astronomy/angles.h"
#include "astronomy/julian_day.h"

namespace orvanto::astro {

namespace {

struct NutationTerm {
    std::int8_t d, m, mPrime, f, omega;
    std::int32_t a, b, c, dc;  // 0.0001": A + B T/10 (sine, longitude), C + Dc T/10 (cosine)
};

constexpr NutationTerm kNutationTerms[31] = {
    {0, 0, 0, 0, 1, -171996, -1742, 92025, 89},
    {-2, 0, 0, 2, 2, -13187, -16, 5736, -31},
    {0, 0, 0, 2, 2, -2274, -2, 977, -5},
    {0, 0, 0, 0, 2, 2062, 2, -895, 5},
    {0, 1, 0, 0, 0, 1426, -34, 54, -1},
    {0, 0, 1, 0, 0, 712, 1, -7, 0},
    {-2, 1, 0, 2, 2, -517, 12, 224, -6},
    {0, 0, 0, 2, 1, -386, -4, 200, 0},
    {0, 0, 1, 2, 2, -301, 0, 129, -1},
    {-2, -1, 0, 2, 2, 217, -5, -95, 3},
    {-2, 0, 1, 0, 0, -158, 0, 0, 0},
    {-2, 0, 0, 2, 1, 129, 1, -70, 0},
    {0, 0, -1, 2, 2, 123, 0, -53, 0},
    {2, 0, 0, 0, 0, 63, 0, 0, 0},
    {0, 0, 1, 0, 1, 63, 1, -33, 0},
    {2, 0, -1, 2, 2, -59, 0, 26, 0},
    {0, 0, -1, 0, 1, -58, -1, 32, 0},
    {0, 0, 1, 2, 1, -51, 0, 27, 0},
    {-2, 0, 2, 0, 0, 48, 0, 0, 0},
    {0, 0, -2, 2, 1, 46, 0, -24, 0},
    {2, 0, 0, 2, 2, -38, 0, 16, 0},
    {0, 0, 2, 2, 2, -31, 0, 13, 0},
    {0, 0, 2, 0, 0, 29, 0, 0, 0},
    {-2, 0, 1, 2, 2, 29, 0, -12, 0},
    {0, 0, 0, 2, 0, 26, 0, 0, 0},
    {-2, 0, 0, 2, 0, -22, 0, 0, 0},
    {0, 0, -1, 2, 1, 21, 0, -10, 0},
    {0, 2, 0, 0, 0, 17, -1, 0, 0},
    {2, 0, -1, 0, 1, 16, 0, -8, 0},
    {-2, 2, 0, 2, 2, -16, 1, 7, 0},
    {0, 1, 0, 0, 1, -15, 0, 9, 0},
};

TNutation NutationAtJulianDay(long double julianDay) {
    const long double t = JulianCenturies(julianDay);
    const long double t2 = t * t;
    const long double t3 = t2 * t;
    const long double d = NormalizeDegrees(297.85036L + 445267.11148L * t - 0.0019142L * t2 + t3 / 189474.0L);
    const long double m = NormalizeDegrees(357.52772L + 35999.05034L * t - 0.0001603L * t2 - t3 / 300000.0L);
    const long double mPrime =
        NormalizeDegrees(134.96298L + 477198.867398L * t + 0.0086972L * t2 + t3 / 56250.0L);
    const long double f = NormalizeDegrees(93.27191L + 483202.017538L * t - 0.0036825L * t2 + t3 / 327270.0L);
    const long double omega =
        NormalizeDegrees(125.04452L - 1934.136261L * t + 0.0020708L * t2 + t3 / 450000.0L);

    long double sumPsi = 0;
    long double sumEpsilon = 0;
    for (const NutationTerm& term : kNutationTerms) {
        const long double arg =
            term.d * d + term.m * m + term.mPrime * mPrime + term.f * f + term.omega * omega;
        sumPsi += SinDeg(arg) * (term.a + term.b * t * 0.1L);
        sumEpsilon += CosDeg(arg) * (term.c + term.dc * t * 0.1L);
    }
    TNutation result;
    result.DeltaPsi = sumPsi * 0.0001L / 3600.0L;
    result.DeltaEpsilon = sumEpsilon * 0.0001L / 3600.0L;
    const long double meanObliquity =
        84381.448L - 46.815L * t - 0.00059L * t2 + 0.001813L * t3;  // arcseconds
    result.Epsilon = (meanObliquity + sumEpsilon * 0.0001L) / 3600.0L;
    return result;
}

template <typename ArcTan2>
void ToEquatorial(TSkyPosition& position, const TNutation& nutation, ArcTan2 arcTan2) {
    const long double lambda = NormalizeDegrees(position.EclLongitude + nutation.DeltaPsi);
    const long double beta = position.EclLatitude;
    const long double epsilon = nutation.Epsilon;
    position.EclLongitude = lambda;
    position.RightAscension =
        arcTan2(SinDeg(lambda) * CosDeg(epsilon) - TanDeg(beta) * SinDeg(epsilon), CosDeg(lambda));
    position.Declination =
        ArcSinDeg(SinDeg(beta) * CosDeg(epsilon) + CosDeg(beta) * SinDeg(epsilon) * SinDeg(lambda));
}

}  // namespace

TNutation Nutation(double serial) { return NutationAtJulianDay(SerialToJulianDay(serial)); }

void EclipticToEquatorial(TSkyPosition& position, double serial) {
    ToEquatorial(position, Nutation(serial), [](long double y, long double x) { return ArcTan2Deg(y, x); });
}

namespace twilight {

TNutation Nutation(double serial) { return NutationAtJulianDay(TwilightJulianDay(serial)); }

void EclipticToEquatorial(TSkyPosition& position, double serial) {
    ToEquatorial(position, Nutation(serial),
                 [](long double y, long double x) { return twilight::ArcTan2Deg(y, x); });
}

}  // namespace twilight

}  // namespace orvanto::astro
