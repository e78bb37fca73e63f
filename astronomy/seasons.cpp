// Equinoxes and solstices: iterate on the sun's apparent longitude (Meeus, Astronomical
// Algorithms, ch. 27, "correction" step of 58 sin(target - lambda) days).
#include "astronomy/seasons.h"

#include <cmath>

#include "astronomy/angles.h"
#include "astronomy/julian_day.h"
#include "astronomy/solar_position.h"

namespace orvanto::astro {

namespace {

// Steps of 15 degrees from the March equinox, by season.
int SeasonSteps(int season) {
    switch (season) {
        case ssWinter: return 18;
        case ssSpring: return 0;
        case ssSummer: return 6;
        case ssAutumn: return 12;
        default: return -1;
    }
}

// The iteration converges by a factor of about 30 a step; the bound only guards
// against a value that never settles.
constexpr int kMaxIterations = 100;

}  // namespace

double SeasonStart(std::int16_t year, int season) {
    const int steps = SeasonSteps(season);
    if (steps < 0) return 0;
    const long double target = 15.0L * steps;
    const long double firstEstimate = steps * 15.218424583333333333L + 31 + 28 + 21;
    const int estimateYear = firstEstimate > 365 ? year - 1 : year;
    double t = static_cast<double>(EncodeSerialDate(estimateYear, 1, 1) + firstEstimate);
    long double lambda = SolarPosition(t).EclLongitude;
    for (int i = 0; i < kMaxIterations && std::fabs(AngleDifference(lambda, target)) > 3e-10L;
         ++i) {
        t = static_cast<double>(t + 58.0L * SinDeg(target - lambda));
        lambda = SolarPosition(t).EclLongitude;
    }
    return t;
}

}  // namespace orvanto::astro
