// The apparent position of a body as the position routines hand it on.
#pragma once

namespace orvanto::astro {

struct TSkyPosition {
    long double EclLongitude = 0;    // ecliptic longitude, degrees
    long double EclLatitude = 0;     // ecliptic latitude, degrees
    long double Distance = 0;        // from the Earth's centre, kilometres
    long double RightAscension = 0;  // degrees
    long double Declination = 0;     // degrees
    long double Parallax = 0;        // horizontal parallax, degrees (the moon's rise and set)
};

}  // namespace orvanto::astro
