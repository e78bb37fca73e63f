// The principal moon phases in order from a date: the earliest of the four at or after the
// date, then each next one in the cycle new, first quarter, full, last quarter, asked for
// with PhaseOnOrAfter at the instant of the one before (as the month view walks a month).
#pragma once

#include <vector>

#include "astronomy/moon_phases.h"

namespace orvanto::astro {

struct PhaseInstant {
    double date = 0;  // serial date
    TMoonPhase phase = mpNewMoon;
};

// The first `count` principal phases at or after the date.
std::vector<PhaseInstant> PrincipalPhasesFrom(double serial, int count);

}  // namespace orvanto::astro
