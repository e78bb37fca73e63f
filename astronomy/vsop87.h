// The VSOP87 planetary theory, version D: heliocentric ecliptic spherical coordinates
// referred to the ecliptic and equinox of date (Bretagnon & Francou, 1988; evaluation as in
// Meeus, Astronomical Algorithms, ch. 32).
#pragma once

#include <cstdint>

namespace orvanto::astro {

struct TVSOPTerm {
    long double A = 0;  // amplitude, 1e-8 radian (L, B) or 1e-8 AU (R)
    long double B = 0;  // phase, radians
    long double C = 0;  // frequency, radians per Julian millennium
};

// One body's series. A getter fills the term of an index and a power of tau, and the
// all-zero term for any index or power past the body's table (which ends each sum).
class TVSOP {
public:
    virtual ~TVSOP() = default;

    virtual void LongitudeTerm(std::int32_t index, int power, TVSOPTerm& term) const = 0;
    virtual void LatitudeTerm(std::int32_t index, int power, TVSOPTerm& term) const = 0;
    virtual void RadiusTerm(std::int32_t index, int power, TVSOPTerm& term) const = 0;

    void Date(double serial) { date_ = serial; }
    double Date() const { return date_; }

    // Julian millennia since J2000.0 of the date.
    long double Tau() const;

    long double HelioLongitude() const;  // radians
    long double HelioLatitude() const;   // radians
    long double Radius() const;          // AU

    // Corrects L and B (radians) to the FK5 system (Meeus formula 32.3).
    void ToFK5(long double& longitude, long double& latitude) const;

private:
    using Getter = void (TVSOP::*)(std::int32_t, int, TVSOPTerm&) const;
    long double Series(Getter getter) const;

    double date_ = 0;
};

// The Earth's complete VSOP87D series (2425 terms).
class TVSOPEarth : public TVSOP {
public:
    void LongitudeTerm(std::int32_t index, int power, TVSOPTerm& term) const override;
    void LatitudeTerm(std::int32_t index, int power, TVSOPTerm& term) const override;
    void RadiusTerm(std::int32_t index, int power, TVSOPTerm& term) const override;
};

struct THeliocentric {
    long double L = 0;  // longitude, degrees [0, 360)
    long double B = 0;  // latitude, degrees
    long double R = 0;  // radius vector, AU
};

// A body's heliocentric position in the FK5 system; Body is a TVSOP descendant.
template <typename Body>
THeliocentric PlanetHeliocentric(double serial);

THeliocentric EarthHeliocentric(double serial);

// The Earth's heliocentric longitude and radius (latitude 0) from the terms of the complete
// series whose amplitude is at least 5e-7 (radian or AU): about a hundred of the 2425,
// within about a second of arc. A cheap first approximation for searches that finish with
// the complete series.
THeliocentric EarthHeliocentricAbridged(double serial);

// The Earth's heliocentric longitude from the complete series with the radius from the
// abridged one (latitude 0): all a search on the sun's apparent longitude needs, at half
// the cost of EarthHeliocentric (the radius only enters through the aberration, where the
// abridged value is good to 1e-9 degree).
THeliocentric EarthLongitudeAndRadius(double serial);

}  // namespace orvanto::astro

#include "astronomy/vsop87_planet.h"
