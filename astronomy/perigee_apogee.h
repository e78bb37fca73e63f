// The moon's perigee and apogee (Meeus, Astronomical Algorithms, ch. 50).
#pragma once

namespace orvanto::astro {

enum class LunarApsis { Perigee, Apogee };

// Instant of the perigee (apogee) whose mean passage lies nearest the date, Universal Time.
double PerigeeApogeeTime(LunarApsis which, double serial);

// First perigee (apogee) at or after the date.
double NextPerigee(double serial);
double NextApogee(double serial);

}  // namespace orvanto::astro
