// Delta T from the polynomial expressions of Espenak and Meeus, each valid over its span of
// years; before 1600 and after 2150 their long-term parabola.
#include "astronomy/delta_t.h"

#include <array>

#include "astronomy/julian_day.h"

namespace orvanto::astro {

namespace {

constexpr long double kSecondsPerDay = 86400.0L;
constexpr long double kGregorianYearDays = 365.2425L;
// JD of 1 January 2000, 0h: the decimal year 2000.0.
constexpr long double kJulianDay2000 = 2451544.5L;

// One span: Delta T = sum of coefficient[i] * u^i with u = year - origin, up to `last`.
struct DeltaTSpan {
    long double from;  // first year of the span
    long double origin;
    std::array<long double, 8> coefficients;
};

// The spans 1600 ... 2050, in order; the coefficients as published.
constexpr std::array<DeltaTSpan, 10> kSpans = {{
    {1600, 1600, {120, -0.9808L, -0.01532L, 1.0L / 7129}},
    {1700, 1700, {8.83L, 0.1603L, -0.0059285L, 0.00013336L, -1.0L / 1174000}},
    {1800,
     1800,
     {13.72L, -0.332447L, 0.0068612L, 0.0041116L, -0.00037436L, 0.0000121272L, -0.0000001699L,
      0.000000000875L}},
    {1860, 1860, {7.62L, 0.5737L, -0.251754L, 0.01680668L, -0.0004473624L, 1.0L / 233174}},
    {1900, 1900, {-2.79L, 1.494119L, -0.0598939L, 0.0061966L, -0.000197L}},
    {1920, 1920, {21.20L, 0.84493L, -0.076100L, 0.0020936L}},
    {1941, 1950, {29.07L, 0.407L, -1.0L / 233, 1.0L / 2547}},
    {1961, 1975, {45.45L, 1.067L, -1.0L / 260, -1.0L / 718}},
    {1986, 2000, {63.86L, 0.3345L, -0.060374L, 0.0017275L, 0.000651814L, 0.00002373599L}},
    {2005, 2000, {62.92L, 0.32217L, 0.005589L}},
}};

constexpr long double kSpansEnd = 2050;
constexpr long double kLongTermEnd = 2150;

long double Polynomial(const DeltaTSpan& span, long double year) {
    const long double u = year - span.origin;
    long double sum = 0;
    for (auto c = span.coefficients.rbegin(); c != span.coefficients.rend(); ++c) sum = sum * u + *c;
    return sum;
}

// The long-term parabola -20 + 32 u^2, u in centuries since 1820.
long double LongTerm(long double year) {
    const long double u = (year - 1820) / 100;
    return -20 + 32 * u * u;
}

}  // namespace

long double DeltaTSeconds(long double year) {
    if (year < kSpans.front().from || year >= kLongTermEnd) return LongTerm(year);
    // 2050 to 2150: the parabola, joined to the value at 2050.
    if (year >= kSpansEnd) return LongTerm(year) - 0.5628L * (kLongTermEnd - year);
    const DeltaTSpan* span = &kSpans.front();
    for (const DeltaTSpan& s : kSpans)
        if (year >= s.from) span = &s;
    return Polynomial(*span, year);
}

long double DecimalYear(double serial) {
    return 2000 + (SerialToJulianDay(serial) - kJulianDay2000) / kGregorianYearDays;
}

double DynamicalToUniversal(double dynamicalSerial) {
    return static_cast<double>(dynamicalSerial -
                               DeltaTSeconds(DecimalYear(dynamicalSerial)) / kSecondsPerDay);
}

}  // namespace orvanto::astro
