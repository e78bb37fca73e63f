// The mean elements of a principal moon phase (Meeus, Astronomical Algorithms, ch. 49).
#include "astronomy/mean_phase.h"

#include <cmath>

#include "astronomy/julian_day.h"

namespace orvanto::astro {

MeanPhaseElements MeanPhaseAt(int phase, double serial) {
    MeanPhaseElements el;
    const long double centuries = (serial - kSerial2000) / 36525.0L;
    el.k = std::nearbyint(centuries * 1236.85L) + phase * 0.125L;
    const long double t = el.k / 1236.85L;
    const long double t2 = t * t;
    const long double t3 = t2 * t;
    const long double t4 = t3 * t;
    const long double k = el.k;
    el.t = t;
    el.jde = 2451550.09765L + 29.530588853L * k + 0.0001337L * t2 - 0.00000015L * t3 + 0.00000000073L * t4;
    el.m = 2.5534L + 29.10535669L * k - 0.0000218L * t2 - 0.00000011L * t3;
    // The moon's mean anomaly with the T^2 coefficient 0.0107438 of the first edition
    // (0.0107582 in the second); ten times that value puts phases off by over a minute
    // at the ends of the twentieth and twenty-first centuries.
    el.mPrime = 201.5643L + 385.81693528L * k + 0.0107438L * t2 + 0.00001239L * t3 - 0.000000058L * t4;
    el.f = 160.7108L + 390.67050274L * k - 0.0016341L * t2 - 0.00000227L * t3 + 0.000000011L * t4;
    el.omega = 124.7746L - 1.5637558L * k + 0.0020691L * t2 + 0.00000215L * t3;
    el.e = 1.0L - 0.002516L * centuries - 0.0000074L * centuries * centuries;
    return el;
}

}  // namespace orvanto::astro
