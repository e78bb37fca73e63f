// Rising, transit and setting of the sun and the moon (Meeus, Astronomical Algorithms,
// ch. 15, one correction pass). Longitudes are WEST positive; results are serial dates of
// the day asked for (its whole-day part), in Universal Time.
#pragma once

namespace orvanto::astro {

enum class TBody { Sun, Moon };
enum class TRiseSetEvent { Rise, Transit, Set };

// Raises E_NoRiseSet when the body does not reach the event's altitude that day.
double RiseTransitSet(TBody body, TRiseSetEvent event, double serial, long double latitude,
                      long double westLongitude);

double SunriseTime(double serial, long double latitude, long double westLongitude);
double SunsetTime(double serial, long double latitude, long double westLongitude);
double SunTransitTime(double serial, long double latitude, long double westLongitude);
double MoonriseTime(double serial, long double latitude, long double westLongitude);
double MoonsetTime(double serial, long double latitude, long double westLongitude);
double MoonTransitTime(double serial, long double latitude, long double westLongitude);

// Meeus formula 3.3, with the differences brought into [-100, 100] for angles that wrap.
long double Interpolate3(long double y1, long double y2, long double y3, long double n);

}  // namespace orvanto::astro
