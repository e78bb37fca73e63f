// TimeZoneBias: the minutes by which local time is behind universal time, as
// the astronomy results are converted with it. Universal time = local time +
// bias minutes.
#pragma once

#include <ctime>

namespace orvanto {

// What the operating system says about the zone's clock at this moment.
enum class DaylightState { Standard, Daylight, Neither };

struct TimeZoneFacts {
    int biasMinutes = 0;          // standard time: UTC minus local time, in minutes
    int daylightBiasMinutes = 0;  // added to the bias while daylight time is on (usually -60)
    DaylightState state = DaylightState::Neither;
};

// The bias with the "DSTCorrection" rule: the zone's bias when the correction
// is off or the system reports standard time; the bias plus the daylight bias
// when it is on and the system reports daylight time. When it is on and the
// system reports neither (a zone without daylight saving time), the zone's
// bias: taking 0 there would put every zone without daylight saving on
// universal time.
int TimeZoneBias(const TimeZoneFacts& facts, bool dstCorrection);

// The bias in whole hours, halves to the even hour (for the readers that ask
// for whole hours).
int TimeZoneBiasHours(int biasMinutes);

// The facts of this machine's zone (TZ, /etc/localtime) at the given moment,
// from localtime_r (tm_gmtoff, tm_isdst) and `timezone` after tzset.
TimeZoneFacts TimeZoneFactsAt(std::time_t when);
// The same for now.
TimeZoneFacts SystemTimeZoneFacts();

}  // namespace orvanto
