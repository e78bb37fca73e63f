// Delta T = TT - UT: how far dynamical time, the time argument of the lunar and planetary
// theories, runs ahead of Universal Time. The polynomial expressions of Espenak and Meeus
// (Five Millennium Canon of Solar Eclipses, 2006), one per span of years.
#pragma once

namespace orvanto::astro {

// Delta T in seconds at a decimal year (2000.5 is the middle of the year 2000).
long double DeltaTSeconds(long double decimalYear);

// The decimal year of a serial date.
long double DecimalYear(double serial);

// An instant of dynamical time as a serial date of Universal Time.
double DynamicalToUniversal(double dynamicalSerial);

}  // namespace orvanto::astro
