// Rising, transit and setting of the sun and the moon (Meeus, Astronomical Algorithms,
// ch. 15, one correction pass for the sun, repeated until it settles for the moon; interpolation by formula 3.3).
#include "astronomy/rise_set.h"

#include <cmath>

#include "astronomy/angles.h"
#include "astronomy/errors.h"
#include "astronomy/moon_position.h"
#include "astronomy/rise_set_engine.h"
#include "astronomy/sidereal_time.h"
#include "astronomy/solar_position.h"

namespace orvanto::astro {

namespace {

constexpr long double kSunAltitude = -0.8333L;
// The moon's correction is repeated until it settles, at most this many times.
constexpr int kMoonCorrectionPasses = 10;

// The moon's standard altitude from its horizontal parallax at the full serial date.
long double MoonAltitude(double serial) {
    // The position's distance is MoonDistance(serial).
    TSkyPosition position = LunarPosition(serial);
    position.Parallax =
        ArcSinDeg(SinDeg(8.794L / 3600.0L) / (position.Distance * (1.0L / kAstronomicalUnitKm)));
    return 0.7275L * position.Parallax - 0.56666666667L;
}

}  // namespace

long double Interpolate3(long double y1, long double y2, long double y3, long double n) {
    auto wrap = [](long double d) {
        if (d > 100) return d - 360;
        if (d < -100) return d + 360;
        return d;
    };
    const long double a = wrap(y2 - y1);
    const long double b = wrap(y3 - y2);
    const long double c = b - a;
    return y2 + (n / 2) * (a + b + n * c);
}

namespace rise_set_detail {

namespace {

constexpr long double kSecondOfDay = 1.0L / 86400.0L;

}  // namespace

long double FractionOfDay(long double m) {
    m -= std::trunc(m);
    if (m < 0) m += 1;
    return m;
}

long double Correction(const DayPositions& day, long double m, bool transit) {
    const long double theta = day.theta0 + 360.985647L * m;
    const long double alpha = Interpolate3(day.alpha[0], day.alpha[1], day.alpha[2], m);
    const long double delta = Interpolate3(day.delta[0], day.delta[1], day.delta[2], m);
    long double hourAngle = NormalizeDegrees(theta - day.westLongitude - alpha);
    if (hourAngle > 180) hourAngle -= 360;
    if (transit) return -hourAngle / 360.0L;
    const long double sinH =
        SinDeg(day.latitude) * SinDeg(delta) + CosDeg(day.latitude) * CosDeg(delta) * CosDeg(hourAngle);
    const long double h = day.twilightChain ? twilight::ArcSinDeg(sinH) : ArcSinDeg(sinH);
    return (h - day.altitude) / (360.0L * CosDeg(delta) * CosDeg(day.latitude) * SinDeg(hourAngle));
}

// The correction is repeated, up to the day's number of passes, until it moves the event by
// less than a second. One pass is enough for the sun, whose place changes little in a day;
// the moon moves some 13 degrees a day, and at higher latitudes a single pass can leave its
// rising tens of minutes off.
long double Corrected(const DayPositions& day, long double m, bool transit) {
    for (int pass = 0; pass < day.correctionPasses; ++pass) {
        const long double dm = Correction(day, m, transit);
        if (!std::isfinite(dm)) break;
        m += dm;
        if (std::fabs(dm) < kSecondOfDay) break;
    }
    return m;
}

std::optional<long double> EventFraction(const DayPositions& day, TRiseSetEvent event, long double cosH0) {
    if (cosH0 < -1 || cosH0 > 1) return std::nullopt;
    const long double h0 = day.twilightChain ? twilight::ArcCosDeg(cosH0) : ArcCosDeg(cosH0);
    const long double transit = (day.alpha[1] + day.westLongitude - day.theta0) / 360.0L;
    long double m = transit;
    if (event == TRiseSetEvent::Rise) m = transit - h0 / 360.0L;
    if (event == TRiseSetEvent::Set) m = transit + h0 / 360.0L;
    m = FractionOfDay(m);
    return Corrected(day, m, event == TRiseSetEvent::Transit);
}

long double CosHourAngle(const DayPositions& day) {
    return (SinDeg(day.altitude) - SinDeg(day.latitude) * SinDeg(day.delta[1])) /
           (CosDeg(day.latitude) * CosDeg(day.delta[1]));
}

}  // namespace rise_set_detail

double RiseTransitSet(TBody body, TRiseSetEvent event, double serial, long double latitude,
                      long double westLongitude) {
    using namespace rise_set_detail;
    DayPositions day;
    day.latitude = latitude;
    day.westLongitude = westLongitude;
    day.correctionPasses = body == TBody::Moon ? kMoonCorrectionPasses : 1;
    if (event == TRiseSetEvent::Transit)
        day.altitude = 0;
    else
        day.altitude = body == TBody::Sun ? kSunAltitude : MoonAltitude(serial);
    const double d0 = std::floor(serial);
    day.theta0 = ApparentSiderealTime(d0);
    for (int k = 0; k < 3; ++k) {
        const double when = d0 + (k - 1);
        const TSkyPosition p = body == TBody::Sun ? SolarPosition(when) : LunarPosition(when);
        day.alpha[k] = p.RightAscension;
        day.delta[k] = p.Declination;
    }
    const std::optional<long double> m = EventFraction(day, event, CosHourAngle(day));
    if (!m) throw E_NoRiseSet(kNoRiseSetText);
    return static_cast<double>(d0 + *m);
}

double SunriseTime(double serial, long double latitude, long double westLongitude) {
    return RiseTransitSet(TBody::Sun, TRiseSetEvent::Rise, serial, latitude, westLongitude);
}

double SunsetTime(double serial, long double latitude, long double westLongitude) {
    return RiseTransitSet(TBody::Sun, TRiseSetEvent::Set, serial, latitude, westLongitude);
}

double SunTransitTime(double serial, long double latitude, long double westLongitude) {
    return RiseTransitSet(TBody::Sun, TRiseSetEvent::Transit, serial, latitude, westLongitude);
}

double MoonriseTime(double serial, long double latitude, long double westLongitude) {
    return RiseTransitSet(TBody::Moon, TRiseSetEvent::Rise, serial, latitude, westLongitude);
}

double MoonsetTime(double serial, long double latitude, long double westLongitude) {
    return RiseTransitSet(TBody::Moon, TRiseSetEvent::Set, serial, latitude, westLongitude);
}

double MoonTransitTime(double serial, long double latitude, long double westLongitude) {
    return RiseTransitSet(TBody::Moon, TRiseSetEvent::Transit, serial, latitude, westLongitude);
}

}  // namespace orvanto::astro
