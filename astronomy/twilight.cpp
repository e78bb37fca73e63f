// Twilight begin and end: the rise and set method of Meeus, Astronomical Algorithms,
// ch. 15, on the low-accuracy sun of ch. 25 and the mean sidereal time (twilight chain),
// the correction repeated until it settles.
#include "astronomy/twilight.h"

#include <cmath>

#include "astronomy/rise_set_engine.h"
#include "astronomy/sidereal_time.h"
#include "astronomy/solar_position.h"

namespace orvanto::astro {

namespace {

// Where the sun only just reaches the depression (a summer night at higher latitudes) a
// single correction pass can leave the instant half an hour off; the correction is
// repeated until it moves the instant by less than a second, at most this many times.
constexpr int kTwilightCorrectionPasses = 10;

}  // namespace

double TwilightTime(long double altitude, TTwilightEdge edge, double serial, long double latitude,
                    long double westLongitude) {
    using namespace rise_set_detail;
    DayPositions day;
    day.latitude = latitude;
    day.westLongitude = westLongitude;
    day.altitude = altitude;
    day.twilightChain = true;
    day.correctionPasses = kTwilightCorrectionPasses;
    const double d0 = std::floor(serial);
    day.theta0 = twilight::MeanSiderealTime(d0);
    for (int k = 0; k < 3; ++k) {
        const TSkyPosition p = TwilightSolarPosition(d0 + (k - 1));
        day.alpha[k] = p.RightAscension;
        day.delta[k] = p.Declination;
    }
    const TRiseSetEvent event = edge == TTwilightEdge::Begin ? TRiseSetEvent::Rise : TRiseSetEvent::Set;
    const std::optional<long double> m = EventFraction(day, event, CosHourAngle(day));
    if (!m) return 0;
    return static_cast<double>(d0 + *m);
}

double CivilDawn(double serial, long double latitude, long double westLongitude) {
    return TwilightTime(-6, TTwilightEdge::Begin, serial, latitude, westLongitude);
}

double CivilDusk(double serial, long double latitude, long double westLongitude) {
    return TwilightTime(-6, TTwilightEdge::End, serial, latitude, westLongitude);
}

double NauticalDawn(double serial, long double latitude, long double westLongitude) {
    return TwilightTime(-12, TTwilightEdge::Begin, serial, latitude, westLongitude);
}

double NauticalDusk(double serial, long double latitude, long double westLongitude) {
    return TwilightTime(-12, TTwilightEdge::End, serial, latitude, westLongitude);
}

double AstronomicalDawn(double serial, long double latitude, long double westLongitude) {
    return TwilightTime(-18, TTwilightEdge::Begin, serial, latitude, westLongitude);
}

double AstronomicalDusk(double serial, long double latitude, long double westLongitude) {
    return TwilightTime(-18, TTwilightEdge::End, serial, latitude, westLongitude);
}

}  // namespace orvanto::astro
