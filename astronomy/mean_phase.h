// The mean elements of a principal moon phase (Meeus, Astronomical Algorithms, ch. 49,
// formulas 49.1 to 49.7, with the mean-phase polynomial of the first edition), shared by
// the phase instants and the eclipses.
#pragma once

namespace orvanto::astro {

struct MeanPhaseElements {
    long double k = 0;       // lunation count since the new moon of 6 January 2000, + p/8
    long double t = 0;       // k / 1236.85, Julian centuries
    long double jde = 0;     // Julian day of the mean phase
    long double m = 0;       // sun's mean anomaly, degrees
    long double mPrime = 0;  // moon's mean anomaly, degrees
    long double f = 0;       // moon's argument of latitude, degrees
    long double omega = 0;   // longitude of the ascending node, degrees
    long double e = 0;       // eccentricity factor, from the input date's centuries
};

// Elements of the principal phase p (0 new, 2 first quarter, 4 full, 6 last quarter) in
// the lunation whose new moon lies nearest the date.
MeanPhaseElements MeanPhaseAt(int phase, double serial);

}  // namespace orvanto::astro
