// MonthMoonPhases over the month's principal phases of the astronomy engine.
#include "ui/main/month_moon_phases.h"

#include "astronomy/month_phases.h"

namespace orvanto {

std::vector<MoonPhaseMark> MonthMoonPhases(int year, int month, int biasMinutes) {
    std::vector<MoonPhaseMark> marks;
    for (const astro::MonthPhase& phase : astro::MonthPrincipalPhases(year, month, biasMinutes))
        marks.push_back(MoonPhaseMark{phase.day, phase.timeOfDay, phase.phase});
    return marks;
}

}  // namespace orvanto
