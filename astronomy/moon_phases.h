// The instants of the moon's phases (Meeus, Astronomical Algorithms, ch. 49, with the mean
// phase polynomial of the first edition), searches for the phase on or before and on or
// after a date, and the lunation number.
#pragma once

#include <cstdint>
#include <string>

namespace orvanto::astro {

// The eight phases; ordinal x 1/8 is the phase's fraction of the lunation. The even
// values come from the lunation theory, the odd ones from the moon's age.
enum TMoonPhase : int {
    mpNewMoon = 0,
    mpWaxingCrescent = 1,
    mpFirstQuarter = 2,
    mpWaxingGibbous = 3,
    mpFullMoon = 4,
    mpWaningGibbous = 5,
    mpLastQuarter = 6,
    mpWaningCrescent = 7,
};

// "New Moon", "Waxing Crescent", "First Quarter", "Waxing Gibbous", "Full Moon",
// "Waning Gibbous", "Last Quarter", "Waning Crescent".
const char* MoonPhaseName(TMoonPhase phase);

// Serial date of the phase in the lunation nearest the date (principal phases); for the
// intermediate phases, the instant that age is reached from the date (see moon_phases.cpp).
// PhaseTimeDynamical gives the instant in dynamical time, as the theory computes it;
// PhaseTime in Universal Time (less Delta T), as every search and caller uses it.
double PhaseTimeDynamical(TMoonPhase phase, double serial);
double PhaseTime(TMoonPhase phase, double serial);

// Latest occurrence of the phase at or before the date; earliest at or after it, both in
// Universal Time. A phase
// exactly on the date is returned by both. Raise E_OutOfAlgorithmRange
// "No TDateTime possible" should PhaseTime yield serial 0.
double PhaseOnOrBefore(TMoonPhase phase, double serial);
double PhaseOnOrAfter(TMoonPhase phase, double serial);

// Lunation number of the date: 1 is the lunation that began on 17 January 1923.
std::int32_t LunationNumber(double serial);

}  // namespace orvanto::astro
