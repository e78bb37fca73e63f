// VSOP87 series evaluation and the reduction to the FK5 system (Meeus, Astronomical
// Algorithms, ch. 32, formula 32.3).
#include "astronomy/vsop87.h"

#include <array>
#include <cmath>
#include <vector>

#include "astronomy/angles.h"
#include "astronomy/julian_day.h"
#include "astronomy/vsop87d_earth_table.h"

namespace orvanto::astro {

namespace {

constexpr int kPowers = 6;

// Cosine in extended precision. On x86 the FPU's own fcos instruction computes it about
// five times faster than the library's cosl. Its argument reduction uses a 66-bit pi: it
// agrees with cosl to 1e-19 for small arguments and to 4e-17 at 3e4 rad (the fastest
// terms in the years 1900 to 2100), whose amplitudes are below 1e-6, so the sums move by
// less than 1e-18.
long double SeriesCos(long double x) {
#if defined(__x86_64__) || defined(__i386__)
    if (x > -1e5L && x < 1e5L) {
        long double result;
        asm("fcos" : "=t"(result) : "0"(x));
        return result;
    }
#endif
    return std::cos(x);
}

void FetchTerm(const vsop87d_earth::Series (&series)[kPowers], std::int32_t index, int power,
               TVSOPTerm& term) {
    if (power < 0 || power >= kPowers || index < 0 ||
        static_cast<std::size_t>(index) >= series[power].count) {
        term = TVSOPTerm{};
        return;
    }
    const vsop87d_earth::Row& row = series[power].rows[index];
    term = TVSOPTerm{row.a, row.b, row.c};
}

}  // namespace

long double TVSOP::Tau() const { return (static_cast<long double>(date_) - kSerial2000 - 0.5L) / 365250.0L; }

// Each power's sum runs until the first term that contributes exactly 0, the all-zero
// term past the end of the table; the powers are then combined as a polynomial in tau.
long double TVSOP::Series(Getter getter) const {
    const long double tau = Tau();
    long double sums[kPowers] = {};
    for (int power = 0; power < kPowers; ++power) {
        TVSOPTerm term;
        for (std::int32_t index = 0;; ++index) {
            (this->*getter)(index, power, term);
            const long double v = term.A * SeriesCos(term.B + term.C * tau);
            sums[power] += v;
            if (v == 0) break;
        }
    }
    long double result = sums[5];
    for (int power = 4; power >= 0; --power) result = result * tau + sums[power];
    return result * 1e-8L;
}

long double TVSOP::HelioLongitude() const { return Series(&TVSOP::LongitudeTerm); }

long double TVSOP::HelioLatitude() const { return Series(&TVSOP::LatitudeTerm); }

long double TVSOP::Radius() const { return Series(&TVSOP::RadiusTerm); }

void TVSOP::ToFK5(long double& longitude, long double& latitude) const {
    const long double t = 10.0L * Tau();
    const long double lambdaPrime = longitude + DegToRad(t * (-1.397L - 0.00031L * t));
    const long double c = std::cos(lambdaPrime);
    const long double s = std::sin(lambdaPrime);
    const long double newLongitude = longitude - DegToRad(0.09033L / 3600.0L) +
                                     DegToRad(0.03916L / 3600.0L) * (c + s) * std::tan(latitude);
    latitude = latitude + DegToRad(0.03916L / 3600.0L) * (c - s);
    longitude = newLongitude;
}

void TVSOPEarth::LongitudeTerm(std::int32_t index, int power, TVSOPTerm& term) const {
    FetchTerm(vsop87d_earth::kLongitude, index, power, term);
}

void TVSOPEarth::LatitudeTerm(std::int32_t index, int power, TVSOPTerm& term) const {
    FetchTerm(vsop87d_earth::kLatitude, index, power, term);
}

void TVSOPEarth::RadiusTerm(std::int32_t index, int power, TVSOPTerm& term) const {
    FetchTerm(vsop87d_earth::kRadius, index, power, term);
}

THeliocentric EarthHeliocentric(double serial) { return PlanetHeliocentric<TVSOPEarth>(serial); }

namespace {

// Amplitude (in units of 1e-8) from which a term takes part in the abridged series.
constexpr long double kAbridgedAmplitude = 50;

using AbridgedSeries = std::array<std::vector<vsop87d_earth::Row>, kPowers>;

AbridgedSeries Abridge(const vsop87d_earth::Series (&series)[kPowers]) {
    AbridgedSeries kept;
    for (int power = 0; power < kPowers; ++power)
        for (std::size_t i = 0; i < series[power].count; ++i)
            if (series[power].rows[i].a >= kAbridgedAmplitude) kept[power].push_back(series[power].rows[i]);
    return kept;
}

long double SumAbridged(const AbridgedSeries& series, long double tau) {
    long double result = 0;
    for (int power = kPowers - 1; power >= 0; --power) {
        long double sum = 0;
        for (const vsop87d_earth::Row& row : series[power]) sum += row.a * SeriesCos(row.b + row.c * tau);
        result = result * tau + sum;
    }
    return result * 1e-8L;
}

const AbridgedSeries& AbridgedLongitude() {
    static const AbridgedSeries series = Abridge(vsop87d_earth::kLongitude);
    return series;
}

const AbridgedSeries& AbridgedRadius() {
    static const AbridgedSeries series = Abridge(vsop87d_earth::kRadius);
    return series;
}

// The longitude in radians (before FK5) and the radius of the date.
THeliocentric InFK5(const TVSOPEarth& earth, long double longitude, long double radius) {
    long double latitude = 0;
    earth.ToFK5(longitude, latitude);
    return {NormalizeDegrees(RadToDeg(longitude)), 0, radius};
}

}  // namespace

THeliocentric EarthHeliocentricAbridged(double serial) {
    TVSOPEarth earth;
    earth.Date(serial);
    const long double tau = earth.Tau();
    return InFK5(earth, SumAbridged(AbridgedLongitude(), tau), SumAbridged(AbridgedRadius(), tau));
}

THeliocentric EarthLongitudeAndRadius(double serial) {
    TVSOPEarth earth;
    earth.Date(serial);
    return InFK5(earth, earth.HelioLongitude(), SumAbridged(AbridgedRadius(), earth.Tau()));
}

}  // namespace orvanto::astro
