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

}  // namespace orvanto
