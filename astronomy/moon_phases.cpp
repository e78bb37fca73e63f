// The instants of the moon's phases: the principal ones from the lunation theory of
// Meeus, Astronomical Algorithms, ch. 49 (periodic corrections, W for the quarters and the
// 14 planetary arguments), the intermediate ones by iterating on the moon's age.
#include "astronomy/moon_phases.h"

#include <array>
#include <cmath>

#include "astronomy/angles.h"
#include "astronomy/delta_t.h"
#include "astronomy/errors.h"
#include "astronomy/julian_day.h"
#include "astronomy/mean_phase.h"
#include "astronomy/moon_illumination.h"
#include "astronomy/moon_position.h"
#include "astronomy/moon_tables.h"
#include "astronomy/solar_position.h"

namespace orvanto::astro {

namespace {

constexpr long double kLunationCountMonth = 29.530588853L;
constexpr const char* kNoDateText = "No TDateTime possible";

long double EPower(long double e, int power) {
    long double r = 1.0L;
    for (int i = 0; i < power; ++i) r *= e;
    return r;
}

const std::array<PhaseCorrectionTerm, 25>& CorrectionsFor(TMoonPhase phase) {
    switch (phase) {
    case mpNewMoon:
        return kNewMoonCorrections;
    case mpFullMoon:
        return kFullMoonCorrections;
    default:
        return kQuarterCorrections;
    }
}

long double PeriodicCorrection(TMoonPhase phase, const MeanPhaseElements& el) {
    long double sum = 0;
    for (const PhaseCorrectionTerm& term : CorrectionsFor(phase)) {
        const long double arg =
            term.m * el.m + term.mPrime * el.mPrime + term.f * el.f + term.omega * el.omega;
        sum += term.coefficient * EPower(el.e, term.ePower) * SinDeg(arg);
    }
    return sum;
}

// The quarters' extra term W: added for the first quarter, subtracted for the last.
long double QuarterCorrection(TMoonPhase phase, const MeanPhaseElements& el) {
    if (phase != mpFirstQuarter && phase != mpLastQuarter) return 0;
    const long double w = 0.00306L - 0.00038L * el.e * CosDeg(el.m) + 0.00026L * CosDeg(el.mPrime) -
                          0.00002L * CosDeg(el.mPrime - el.m) + 0.00002L * CosDeg(el.mPrime + el.m) +
                          0.00002L * CosDeg(2 * el.f);
    return phase == mpFirstQuarter ? w : -w;
}

struct PlanetaryArgument {
    long double constant, perLunation, coefficient;
};

// A2 ... A14: constant + perLunation x k degrees; A1 also has -0.009173 T^2.
constexpr std::array<PlanetaryArgument, 13> kPlanetaryArguments = {{
    {251.88L, 0.016321L, 0.000165L},
    {251.83L, 26.651886L, 0.000164L},
    {349.42L, 36.412478L, 0.000126L},
    {84.66L, 18.206239L, 0.000110L},
    {141.74L, 53.303771L, 0.000062L},
    {207.14L, 2.453732L, 0.000060L},
    {154.84L, 7.30686L, 0.000056L},
    {34.52L, 27.261239L, 0.000047L},
    {207.19L, 0.121824L, 0.000042L},
    {291.34L, 1.844379L, 0.000040L},
    {161.72L, 24.198154L, 0.000037L},
    {239.56L, 25.513099L, 0.000035L},
    {331.55L, 3.592518L, 0.000023L},
}};

long double AdditionalCorrection(const MeanPhaseElements& el) {
    const long double a1 = 299.77L + 0.107408L * el.k - 0.009173L * el.t * el.t;
    long double sum = 0.000325L * SinDeg(a1);
    for (const PlanetaryArgument& a : kPlanetaryArguments)
        sum += a.coefficient * SinDeg(a.constant + a.perLunation * el.k);
    return sum;
}

double PrincipalPhaseTime(TMoonPhase phase, double serial) {
    const MeanPhaseElements el = MeanPhaseAt(phase, serial);
    return JulianDayToSerial(el.jde + PeriodicCorrection(phase, el) + QuarterCorrection(phase, el) +
                             AdditionalCorrection(el));
}

// The moon's age with the sun's longitude from the abridged series: within a few seconds of
// time of MoonAge, for a fraction of the cost.
long double MoonAgeAbridged(double serial) {
    const long double elongation =
        NormalizeDegrees(LunarPosition(serial).EclLongitude - ApparentSolarLongitudeAbridged(serial));
    return elongation * (1.0L / 360.0L) * kSynodicMonth;
}

// Walks from the date by the difference between the moon's age and the phase's age until
// it is below the tolerance. The age grows at 0.8 to 1.2 times the mean rate, so each step
// shrinks the difference several times over; the step limit only guards against a
// difference that never settles in the last bits.
template <typename Age>
double WalkToAge(double x, long double targetAge, long double tolerance, Age age) {
    constexpr int kStepLimit = 100;
    for (int step = 0; step < kStepLimit; ++step) {
        long double d = age(x) - targetAge;
        if (d > kSynodicMonth / 2) d -= kSynodicMonth;
        x = static_cast<double>(x - d);
        if (std::fabs(d) < tolerance) break;
    }
    return x;
}

// The walk runs on the abridged age to within a tenth of a second, and then on MoonAge
// until the step is below 1e-7 days, which takes one or two steps more.
double IntermediatePhaseTime(TMoonPhase phase, double serial) {
    constexpr long double kAbridgedTolerance = 1e-6L;
    constexpr long double kTolerance = 1e-7L;
    const long double targetAge = static_cast<int>(phase) * kSynodicMonth * 0.125L;
    const double near = WalkToAge(serial, targetAge, kAbridgedTolerance, MoonAgeAbridged);
    return WalkToAge(near, targetAge, kTolerance, [](double x) { return MoonAge(x); });
}

// PhaseTime takes the eccentricity factor E from the date it is given, so the same phase
// computed from two dates a few weeks apart differs by up to 0.03 s. A candidate that close
// to the date is the phase falling on the date, and the date itself is returned; without
// this a search from an exact phase instant could step over it to the neighbouring
// lunation.
constexpr double kSameInstant = 0.1 / 86400.0;

double CheckedPhaseTime(TMoonPhase phase, double serial) {
    const double r = PhaseTime(phase, serial);
    if (r == 0) throw E_OutOfAlgorithmRange(kNoDateText);
    return r;
}

}  // namespace

const char* MoonPhaseName(TMoonPhase phase) {
    static constexpr std::array<const char*, 8> kNames = {
        "New Moon",  "Waxing Crescent", "First Quarter", "Waxing Gibbous",
        "Full Moon", "Waning Gibbous",  "Last Quarter",  "Waning Crescent"};
    return kNames[static_cast<unsigned>(phase) & 7u];
}

double PhaseTimeDynamical(TMoonPhase phase, double serial) {
    if (phase % 2 == 0) return PrincipalPhaseTime(phase, serial);
    return IntermediatePhaseTime(phase, serial);
}

double PhaseTime(TMoonPhase phase, double serial) {
    return DynamicalToUniversal(PhaseTimeDynamical(phase, serial));
}

double PhaseOnOrBefore(TMoonPhase phase, double serial) {
    double b = serial + 28;
    double r = b;
    while (r > serial) {
        r = CheckedPhaseTime(phase, b);
        if (std::fabs(r - serial) < kSameInstant) return serial;
        b -= 28;
    }
    return r;
}

double PhaseOnOrAfter(TMoonPhase phase, double serial) {
    double b = serial - 28;
    double r = b;
    while (r < serial) {
        r = CheckedPhaseTime(phase, b);
        if (std::fabs(r - serial) < kSameInstant) return serial;
        b += 28;
    }
    return r;
}

std::int32_t LunationNumber(double serial) {
    const long double sinceEpoch = PhaseOnOrBefore(mpNewMoon, serial) - kSerialLunationEpoch;
    return static_cast<std::int32_t>(std::nearbyint(sinceEpoch * (1.0L / kLunationCountMonth))) + 1;
}

}  // namespace orvanto::astro
