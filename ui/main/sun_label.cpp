// Sunrise and sunset from the astronomy engine (Meeus, Astronomical
// Algorithms, ch. 15), written as the month view shows them.
#include "ui/main/sun_label.h"

#include <cmath>
#include <cstdio>
#include <functional>

#include "astronomy/errors.h"
#include "astronomy/rise_set.h"
#include "calendar/serial_date.h"
#include "calendar/twelve_hour.h"

namespace orvanto {

std::string SunClockText(double universalTime, int biasMinutes, bool twelveHour) {
    const double zoneHours = std::nearbyint(biasMinutes / 60.0);
    double local = universalTime - zoneHours / 24.0;
    local -= std::floor(local);
    const TimeOfDay t = DecodeTime(local);
    int hour = t.hour;
    const char* suffix = "";
    if (twelveHour) {
        const TwelveHourTime twelve = ToTwelveHour(t.hour, NoonRule::ReduceAfterNoon);
        hour = twelve.hour;
        suffix = twelve.afternoon ? " pm" : " am";
    }
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "%02d:%02d%s", hour, t.minute, suffix);
    return buffer;
}

std::string SunLabelText(double day, double latitude, double eastLongitude, int biasMinutes,
                         bool twelveHour) {
    auto event = [&](double (*compute)(double, long double, long double)) -> std::string {
        try {
            return SunClockText(compute(day, latitude, -static_cast<long double>(eastLongitude)), biasMinutes,
                                twelveHour);
        } catch (const astro::E_NoRiseSet&) {
            return "N/A";
        }
    };
    return "Sunrise: " + event(&astro::SunriseTime) + "  \u2022  Sunset: " + event(&astro::SunsetTime);
}

}  // namespace orvanto
