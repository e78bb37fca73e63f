// Equinoxes and solstices: iterate on the sun's apparent longitude (Meeus, Astronomical
// Algorithms, ch. 27, "correction" step of 58 sin(target - lambda) days).
#include "astronomy/seasons.h"

#include <cmath>

#include "astronomy/angles.h"
#include "astronomy/delta_t.h"
#include "astronomy/julian_day.h"
#include "astronomy/solar_position.h"

namespace orvanto::astro {

namespace {

// Steps of 15 degrees from the March equinox, by season.
int SeasonSteps(int season) {
    switch (season) {
    case ssWinter:
        return 18;
    case ssSpring:
        return 0;
    case ssSummer:
        return 6;
    case ssAutumn:
        return 12;
    default:
        return -1;
    }
}

// The iteration converges by a factor of about 30 a step; the bound only guards
// against a value that never settles.
constexpr int kMaxIterations = 100;
// The abridged longitude is followed to 1e-7 degree (a hundredth of a second of time).
constexpr long double kAbridgedTolerance = 1e-7L;
// Half the span over which the sun's rate in longitude is measured, days.
constexpr double kRateHalfSpan = 0.5;

// The instant the abridged apparent longitude reaches the target, from the first estimate.
double AbridgedSolution(double t, long double target) {
    long double lambda = ApparentSolarLongitudeAbridged(t);
    for (int i = 0; i < kMaxIterations && std::fabs(AngleDifference(lambda, target)) > kAbridgedTolerance;
         ++i) {
        t = static_cast<double>(t + 58.0L * SinDeg(target - lambda));
        lambda = ApparentSolarLongitudeAbridged(t);
    }
    return t;
}

// The sun's rate in apparent longitude at an instant, degrees per day.
long double LongitudeRate(double t) {
    const long double after = ApparentSolarLongitudeAbridged(t + kRateHalfSpan);
    const long double before = ApparentSolarLongitudeAbridged(t - kRateHalfSpan);
    return AngleDifference(after, before) / (2 * kRateHalfSpan);
}

}  // namespace

// The abridged series (about a hundred terms) finds the instant to within some seconds of
// time; one evaluation of the complete series there and a step by the sun's own rate in
// longitude then land within a few milliseconds of the instant the complete series alone
// would give, for a tenth of the work.
double SeasonStartDynamical(std::int16_t year, int season) {
    const int steps = SeasonSteps(season);
    if (steps < 0) return 0;
    const long double target = 15.0L * steps;
    const long double firstEstimate = steps * 15.218424583333333333L + 31 + 28 + 21;
    const int estimateYear = firstEstimate > 365 ? year - 1 : year;
    const double estimate = static_cast<double>(EncodeSerialDate(estimateYear, 1, 1) + firstEstimate);
    const double t = AbridgedSolution(estimate, target);
    const long double lambda = ApparentSolarLongitude(t);
    return static_cast<double>(t + AngleDifference(target, lambda) / LongitudeRate(t));
}

double SeasonStart(std::int16_t year, int season) {
    const double dynamical = SeasonStartDynamical(year, season);
    return dynamical == 0 ? 0 : DynamicalToUniversal(dynamical);
}

}  // namespace orvanto::astro
