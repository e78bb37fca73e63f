// The sun's elevation and azimuth now, from a low-precision model in radians: mean longitude
// 280.460 + 0.9856474 n, mean anomaly 357.528 + 0.9856003 n, equation of centre
// 1.915 sin g + 0.020 sin 2g (the Astronomical Almanac's low-precision formulas).
#include "astronomy/sun_horizontal.h"

#include <cmath>

#include "astronomy/angles.h"
#include "astronomy/julian_day.h"

namespace orvanto::astro {

namespace {

constexpr long double kTwoPi = 2.0L * kPi;

long double ReduceTwoPi(long double x) { return std::fmod(x, kTwoPi); }

// arctan(y / x), plus pi when x < 0, plus 2 pi when y < 0 and x > 0: [0, 2 pi).
long double QuadrantArcTan(long double y, long double x) {
    if (x == 0) return y > 0 ? kPi / 2 : (y < 0 ? 3 * kPi / 2 : 0);
    long double a = std::atan(y / x);
    if (x < 0) a += kPi;
    if (y < 0 && x > 0) a += kTwoPi;
    return a;
}

long double ArcSinByTangent(long double x) {
    if (x >= 1) return kPi / 2;
    if (x <= -1) return -kPi / 2;
    return std::atan(x / std::sqrt(1 - x * x));
}

}  // namespace

THorizontal SunHorizontalNow(double serial, double universalHours, long double latitude,
                             long double westLongitude) {
    const CalendarDate date = DecodeSerialDate(serial);
    const long y = date.year;
    const long m = date.month;
    const long d = date.day;
    const long double n = 367 * y - static_cast<long>(std::trunc(1.75L * (y + (m + 9) / 12))) +
                          (275 * m) / 9 + d - 730531.5L + universalHours / 24.0L;

    const long double meanLongitude = ReduceTwoPi(0.017202792393721557622L * n + 4.8949678734358166745L);
    const long double meanAnomaly = ReduceTwoPi(0.017201970343643868294L * n + 6.2400407680702866496L);
    const long double lambda = ReduceTwoPi(meanLongitude + 0.033423055175691411398L * std::sin(meanAnomaly) +
                                           0.00034906585039886593L * std::sin(2 * meanAnomaly));
    const long double epsilon = 0.40908772337495090952L - 0.000000006981317007977L * n;

    const long double alpha = QuadrantArcTan(std::cos(epsilon) * std::sin(lambda), std::cos(lambda));
    const long double delta = ArcSinByTangent(std::sin(epsilon) * std::sin(lambda));

    const long double phi = latitude * kPi / 180;
    const long double siderealTime =
        ReduceTwoPi((280.46061837L + 360.98564736629L * n) * kPi / 180 - westLongitude * kPi / 180);
    const long double hourAngle = ReduceTwoPi(siderealTime - alpha);

    const long double h = ArcSinByTangent(std::sin(delta) * std::sin(phi) +
                                          std::cos(delta) * std::cos(phi) * std::cos(hourAngle));
    const long double azimuth = QuadrantArcTan(-std::cos(phi) * std::cos(delta) * std::sin(hourAngle),
                                               std::sin(delta) - std::sin(phi) * std::sin(h));
    return {h * 57.29577951308232L, azimuth * 57.29577951308232L};
}

}  // namespace orvanto::astro
