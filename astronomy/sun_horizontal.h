// The sun's current elevation and azimuth from a low-precision solar model in radians
// (mean longitude and anomaly with a two-term equation of centre, valid 1901-2099).
#pragma once

namespace orvanto::astro {

struct THorizontal {
    long double Elevation = 0;  // degrees
    long double Azimuth = 0;    // degrees from north through east, [0, 360)
};

// The date comes from the serial date, the time of day (hours, Universal Time) from the
// caller's clock. Longitude WEST positive.
THorizontal SunHorizontalNow(double serial, double universalHours, long double latitude,
                             long double westLongitude);

}  // namespace orvanto::astro
