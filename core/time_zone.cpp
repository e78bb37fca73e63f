#include "core/time_zone.h"

#include <time.h>
#include <cmath>

namespace orvanto {

int TimeZoneBias(const TimeZoneFacts& facts, bool dstCorrection) {
    if (dstCorrection && facts.state == DaylightState::Daylight) {
        return facts.biasMinutes + facts.daylightBiasMinutes;
    }
    return facts.biasMinutes;
}

int TimeZoneBiasHours(int biasMinutes) {
    return static_cast<int>(std::nearbyint(static_cast<double>(biasMinutes) / 60.0));
}

TimeZoneFacts TimeZoneFactsAt(std::time_t when) {
    ::tzset();
    std::tm local{};
    TimeZoneFacts facts;
    if (::localtime_r(&when, &local) == nullptr) {
        facts.biasMinutes = static_cast<int>(::timezone / 60);
        return facts;
    }
    const int currentBias = static_cast<int>(-local.tm_gmtoff / 60);
    if (local.tm_isdst > 0) {
        // The standard bias comes from `timezone` (seconds west of UTC); the
        // daylight bias is whatever the clock is ahead of it now.
        facts.state = DaylightState::Daylight;
        facts.biasMinutes = static_cast<int>(::timezone / 60);
        facts.daylightBiasMinutes = currentBias - facts.biasMinutes;
        return facts;
    }
    facts.biasMinutes = currentBias;
    facts.daylightBiasMinutes = -60;
    facts.state = (local.tm_isdst == 0 && ::daylight != 0) ? DaylightState::Standard : DaylightState::Neither;
    return facts;
}

TimeZoneFacts SystemTimeZoneFacts() { return TimeZoneFactsAt(std::time(nullptr)); }

}  // namespace orvanto
