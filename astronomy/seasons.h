// The instants at which the seasons begin: the sun's apparent longitude reaches a multiple
// of 90 degrees (Meeus, Astronomical Algorithms, ch. 27, found by iteration on ch. 25).
#pragma once

#include <cstdint>

namespace orvanto::astro {

enum TSeason : int { ssWinter = 0, ssSpring = 1, ssSummer = 2, ssAutumn = 3 };

// Serial date of the start of a season of a year (winter: the December solstice of that
// year) in Universal Time; 0 for a season outside 0 ... 3.
double SeasonStart(std::int16_t year, int season);
// The same instant in dynamical time, the time argument of the solar theory.
double SeasonStartDynamical(std::int16_t year, int season);

}  // namespace orvanto::astro
