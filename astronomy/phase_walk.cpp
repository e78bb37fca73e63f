// The principal moon phases in order from a date.
#include "astronomy/phase_walk.h"

namespace orvanto::astro {

namespace {

TMoonPhase NextPrincipal(TMoonPhase phase) { return static_cast<TMoonPhase>((phase + 2) % 8); }

}  // namespace

std::vector<PhaseInstant> PrincipalPhasesFrom(double serial, int count) {
    std::vector<PhaseInstant> phases;
    if (count <= 0) return phases;
    phases.reserve(static_cast<std::size_t>(count));
    PhaseInstant current{PhaseOnOrAfter(mpNewMoon, serial), mpNewMoon};
    for (TMoonPhase p : {mpFirstQuarter, mpFullMoon, mpLastQuarter}) {
        const double t = PhaseOnOrAfter(p, serial);
        if (t < current.date) current = {t, p};
    }
    phases.push_back(current);
    while (static_cast<int>(phases.size()) < count) {
        const TMoonPhase next = NextPrincipal(current.phase);
        current = {PhaseOnOrAfter(next, current.date), next};
        phases.push_back(current);
    }
    return phases;
}

}  // namespace orvanto::astro
