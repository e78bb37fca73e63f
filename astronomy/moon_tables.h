// The compiled-in periodic terms of the moon: position (Meeus, Astronomical Algorithms,
// tables 47.A and 47.B), phase corrections (ch. 49) and perigee and apogee (table 50.A).
// The values live in moon_tables.cpp, written by tools/gen_moon_tables.py.
#pragma once

#include <array>
#include <cstdint>

namespace orvanto::astro {

// One row of table 47.A: multipliers of D, M, M', F; sigmaL in 1e-6 degree (sine),
// sigmaR in 1e-3 km (cosine).
struct MoonLongitudeDistanceTerm {
    std::int8_t d, m, mPrime, f;
    std::int32_t sigmaL, sigmaR;
};

// One row of table 47.B: multipliers of D, M, M', F; sigmaB in 1e-6 degree (sine).
struct MoonLatitudeTerm {
    std::int8_t d, m, mPrime, f;
    std::int32_t sigmaB;
};

// coefficient (days) x E^ePower x sin(m M + mPrime M' + f F + omega Omega).
struct PhaseCorrectionTerm {
    long double coefficient;
    std::int8_t m, mPrime, f, omega;
    std::int8_t ePower;
};

// (a x 0.0001 + b x 0.00001 x T) days x sin(d D + f F + m M).
struct PerigeeApogeeTerm {
    std::int8_t d, f, m;
    std::int32_t a, b;
};

extern const std::array<MoonLongitudeDistanceTerm, 60> kMoonLongitudeDistanceTerms;
extern const std::array<MoonLatitudeTerm, 60> kMoonLatitudeTerms;
extern const std::array<PhaseCorrectionTerm, 25> kNewMoonCorrections;
extern const std::array<PhaseCorrectionTerm, 25> kFullMoonCorrections;
extern const std::array<PhaseCorrectionTerm, 25> kQuarterCorrections;
extern const std::array<PerigeeApogeeTerm, 60> kPerigeeTerms;
extern const std::array<PerigeeApogeeTerm, 32> kApogeeTerms;

}  // namespace orvanto::astro
