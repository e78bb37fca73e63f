// Solar and lunar eclipses at the mean new and full moons (Meeus, Astronomical Algorithms,
// ch. 54): the time of greatest eclipse, gamma (the least distance of the shadow axis from
// the Earth's centre, in Earth radii), u (the umbral radius) and from them the kind.
#include "astronomy/eclipses.h"

#include <array>
#include <cmath>

#include "astronomy/angles.h"
#include "astronomy/delta_t.h"
#include "astronomy/julian_day.h"
#include "astronomy/mean_phase.h"
#include "astronomy/moon_phases.h"

namespace orvanto::astro {

namespace {

struct EclipseGeometry {
    long double jde;  // greatest eclipse
    long double gamma;
    long double u;
};

EclipseGeometry GeometryAt(const MeanPhaseElements& el, EclipseType type) {
    const long double e = el.e;
    const long double m = el.m;
    const long double mp = el.mPrime;
    const long double omega = el.omega;
    const long double f1 = el.f - 0.02665L * SinDeg(omega);
    const long double a1 = 299.77L + 0.107408L * el.k - 0.009173L * el.t * el.t;

    const long double firstTerms = type == EclipseType::Solar
                                       ? -0.4075L * SinDeg(mp) + 0.1721L * e * SinDeg(m)
                                       : -0.4065L * SinDeg(mp) + 0.1727L * e * SinDeg(m);
    EclipseGeometry g;
    g.jde = el.jde + firstTerms + 0.0161L * SinDeg(2 * mp) - 0.0097L * SinDeg(2 * f1) +
            0.0073L * e * SinDeg(mp - m) - 0.0050L * e * SinDeg(mp + m) - 0.0023L * SinDeg(mp - 2 * f1) +
            0.0021L * e * SinDeg(2 * m) + 0.0012L * SinDeg(mp + 2 * f1) + 0.0006L * e * SinDeg(2 * mp + m) -
            0.0004L * SinDeg(3 * mp) - 0.0003L * e * SinDeg(m + 2 * f1) + 0.0003L * SinDeg(a1) -
            0.0002L * e * SinDeg(m - 2 * f1) - 0.0002L * e * SinDeg(2 * mp - m) - 0.0002L * SinDeg(omega);

    const long double p = 0.2070L * e * SinDeg(m) + 0.0024L * e * SinDeg(2 * m) - 0.0392L * SinDeg(mp) +
                          0.0116L * SinDeg(2 * mp) - 0.0073L * e * SinDeg(mp + m) +
                          0.0067L * e * SinDeg(mp - m) + 0.0118L * SinDeg(2 * f1);
    const long double q = 5.2207L - 0.0048L * e * CosDeg(m) + 0.0020L * e * CosDeg(2 * m) -
                          0.3299L * CosDeg(mp) - 0.0060L * e * CosDeg(mp + m) + 0.0041L * e * CosDeg(mp - m);
    const long double w = std::fabs(CosDeg(f1));
    g.gamma = (p * CosDeg(f1) + q * SinDeg(f1)) * (1.0L - 0.0048L * w);
    g.u = 0.0059L + 0.0046L * e * CosDeg(m) - 0.0182L * CosDeg(mp) + 0.0004L * CosDeg(2 * mp) -
          0.0005L * CosDeg(mp + m);
    return g;
}

TEclipseKind SolarKind(long double gamma, long double u) {
    const long double g = std::fabs(gamma);
    if (g < 0.9972L) {  // central eclipse
        if (u < 0) return ekTotal;
        if (u > 0.0047L) return ekAnnular;
        return u < 0.00464L * std::sqrt(1.0L - gamma * gamma) ? ekAnnularTotal : ekAnnular;
    }
    if (g > 1.5433L + u) return ekNone;
    if (g < 0.9972L + std::fabs(u)) return ekNonCentral;
    return ekPartial;
}

TEclipseKind LunarKind(long double gamma, long double u) {
    const long double g = std::fabs(gamma);
    const long double umbral = (1.0128L - u - g) * 1.834862385321101L;  // / 0.5450
    const long double penumbral = (1.5573L + u - g) / 0.5450L;
    if (umbral >= 1) return ekTotal;
    if (umbral > 0) return ekPartial;
    if (penumbral > 0) return ekPenumbral;
    return ekNone;
}

}  // namespace

const char* EclipseKindText(TEclipseKind kind) {
    static constexpr std::array<const char*, 7> kTexts = {
        "None", "Partial", "Noncentral", "Circular", "Circular total", "Total", "Half Shadow"};
    const auto index = static_cast<unsigned>(kind);
    return index < kTexts.size() ? kTexts[index] : kTexts[0];
}

TEclipseKind EclipseAtPhase(double& date, EclipseType type) {
    const int phase = type == EclipseType::Solar ? mpNewMoon : mpFullMoon;
    const MeanPhaseElements el = MeanPhaseAt(phase, date);
    // Far from a node there is no eclipse.
    if (std::fabs(SinDeg(el.f)) > 0.36L) {
        date = JulianDayToSerial(el.jde);
        return ekNone;
    }
    const EclipseGeometry g = GeometryAt(el, type);
    date = DynamicalToUniversal(JulianDayToSerial(g.jde));
    return type == EclipseType::Solar ? SolarKind(g.gamma, g.u) : LunarKind(g.gamma, g.u);
}

// The probe date walks in steps of 28 days, shorter than any lunation, so no new or full
// moon is stepped over; the phase found is the first at or after the date. (Stepping on
// from the phase instant instead would skip every other full moon: the full moon of a
// lunation comes 20 days after the date that selects it.)
TEclipseKind NextEclipseCandidate(double& date, EclipseType type) {
    double probe = date - 56;
    double found = probe;
    TEclipseKind kind = ekNone;
    while (found < date) {
        probe += 28;
        found = probe;
        kind = EclipseAtPhase(found, type);
    }
    date = found;
    return kind;
}

EclipseFound NextEclipse(double date, EclipseType type) {
    // Every year has at least two solar and two lunar eclipses (penumbral ones counted),
    // so the search ends within a few lunations; the limit only bounds the loop.
    constexpr int kLunationLimit = 1000;
    // Each candidate is the first phase at or after x; the next one is looked for 28 days
    // later, which is still before the following phase.
    double x = date - 28;
    for (int step = 0; step < kLunationLimit; ++step) {
        x += 28;
        const TEclipseKind kind = NextEclipseCandidate(x, type);
        if (kind != ekNone) return {x, kind};
    }
    return {x, ekNone};
}

}  // namespace orvanto::astro
