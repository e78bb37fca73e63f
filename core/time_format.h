// The twelve-hour flag: true when the locale writes 23:00:00 beginning with
// "11" (as "11:00:00 PM"). It decides how times are written in reminder
// texts, hints and the history log.
#pragma once

#include <string>

namespace orvanto {

// The flag for a strftime time format ("%H:%M:%S", "%I:%M:%S %p", "%r"...),
// written in the "C" locale.
bool TwelveHourClockForFormat(const std::string& timeFormat);

// The flag for the locale the environment chooses (LC_ALL, LC_TIME, LANG):
// its nl_langinfo(T_FMT) written in that locale. The program's own locale is
// not changed. A locale that cannot be loaded counts as "C" (24 hours).
bool SystemTwelveHourClock();

// How an hour of the day (0..23) is written on a twelve-hour clock. The texts
// of the program follow two rules:
enum class NoonRule {
    // Midnight and noon read 12; 12:xx is afternoon ("12:30 PM"). Reminder
    // texts, hints, the history log and the information strip's clock.
    Dial,
    // Only hours above 12 are reduced: midnight reads 00, 12:xx is still
    // morning ("12:30 am"). The sunrise and sunset label of the month view.
    ReduceAfterNoon,
};

struct TwelveHourTime {
    int hour = 0;            // as written
    bool afternoon = false;  // "pm"
};

TwelveHourTime ToTwelveHour(int hour, NoonRule rule);

}  // namespace orvanto
