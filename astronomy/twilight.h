// Begin and end of civil, nautical and astronomical twilight, on the twilight chain's
// low-accuracy sun and mean sidereal time (Meeus, Astronomical Algorithms, ch. 15 and 25).
// Longitudes are WEST positive. A result of 0 means the sun does not reach the depression.
#pragma once

namespace orvanto::astro {

enum class TTwilightEdge { Begin, End };

double TwilightTime(long double altitude, TTwilightEdge edge, double serial, long double latitude,
                    long double westLongitude);

double CivilDawn(double serial, long double latitude, long double westLongitude);
double CivilDusk(double serial, long double latitude, long double westLongitude);
double NauticalDawn(double serial, long double latitude, long double westLongitude);
double NauticalDusk(double serial, long double latitude, long double westLongitude);
double AstronomicalDawn(double serial, long double latitude, long double westLongitude);
double AstronomicalDusk(double serial, long double latitude, long double westLongitude);

}  // namespace orvanto::astro
