// The instants of the moon's perigee and apogee from the mean anomalistic passages and the
// periodic terms of Meeus, Astronomical Algorithms, ch. 50 (table 50.A).
#include "astronomy/perigee_apogee.h"

#include <cmath>

#include "astronomy/angles.h"
#include "astronomy/delta_t.h"
#include "astronomy/julian_day.h"
#include "astronomy/moon_tables.h"

namespace orvanto::astro {

namespace {

template <typename Terms>
long double PeriodicSum(const Terms& terms, long double d, long double f, long double m, long double t) {
    long double sum = 0;
    for (const PerigeeApogeeTerm& term : terms)
        sum += (term.a * 0.0001L + term.b * 0.00001L * t) * SinDeg(term.d * d + term.f * f + term.m * m);
    return sum;
}

template <typename Next>
double FirstAtOrAfter(double serial, Next passageNear) {
    double a = serial - 28;
    double r = a;
    while (r < serial) {
        r = passageNear(a);
        a += 24;
    }
    return r;
}

}  // namespace

double PerigeeApogeeTime(LunarApsis which, double serial) {
    long double k = std::nearbyint(((serial - kSerialJan1999) / 365.25L - 0.97L) * 13.2555L);
    if (which == LunarApsis::Apogee) k += 0.5L;
    const long double t = k / 1325.55L;
    const long double t2 = t * t;
    const long double t3 = t2 * t;
    const long double t4 = t3 * t;
    const long double jde =
        2451534.6698L + 27.55454988L * k - 0.0006886L * t2 - 0.000001098L * t3 + 0.0000000052L * t4;
    const long double d =
        171.9179L + 335.9106046L * k - 0.0100250L * t2 - 0.00001156L * t3 + 0.000000055L * t4;
    const long double m = 347.3477L + 27.1577721L * k - 0.0008323L * t2 - 0.0000010L * t3;
    const long double f = 316.6109L + 364.5287911L * k - 0.0125131L * t2 - 0.0000148L * t3;
    const long double sum = which == LunarApsis::Perigee ? PeriodicSum(kPerigeeTerms, d, f, m, t)
                                                         : PeriodicSum(kApogeeTerms, d, f, m, t);
    return DynamicalToUniversal(JulianDayToSerial(jde + sum));
}

double NextPerigee(double serial) {
    return FirstAtOrAfter(serial, [](double a) { return PerigeeApogeeTime(LunarApsis::Perigee, a); });
}

double NextApogee(double serial) {
    return FirstAtOrAfter(serial, [](double a) { return PerigeeApogeeTime(LunarApsis::Apogee, a); });
}

}  // namespace orvanto::astro
