// The steps of the rise, transit and set computation shared by the main chain and the
// twilight chain (Meeus, Astronomical Algorithms, ch. 15).
#pragma once

#include <optional>

#include "astronomy/rise_set.h"

namespace orvanto::astro::rise_set_detail {

struct DayPositions {
    long double latitude = 0;
    long double westLongitude = 0;
    long double altitude = 0;    // h0, degrees
    long double theta0 = 0;      // sidereal time at 0h of the day, degrees
    long double alpha[3] = {};   // right ascension at D0 - 1, D0, D0 + 1
    long double delta[3] = {};   // declination at the same instants
    bool twilightChain = false;  // arcsine and arccosine in the twilight chain's form
    // At most this many correction passes, until one moves the event by less than a
    // second: one for the sun's rise, transit and set (its place changes little in a day),
    // more for the moon and for the twilights.
    int correctionPasses = 1;
};

// cos H0 of the day's middle position.
long double CosHourAngle(const DayPositions& day);

// The corrected fraction of the day of an event, or nothing when cos H0 lies outside
// [-1, 1]. The corrected value is not brought back into [0, 1).
std::optional<long double> EventFraction(const DayPositions& day, TRiseSetEvent event, long double cosH0);

}  // namespace orvanto::astro::rise_set_detail
