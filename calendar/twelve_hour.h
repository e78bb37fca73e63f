// How an hour of the day (0..23) is written on a twelve-hour clock. Every
// text that writes a time with "am"/"pm" takes its hour and its half of the
// day from here; the texts of the program follow three noon rules.
#pragma once

namespace orvanto {

enum class NoonRule {
    // Midnight and noon read 12; 12:xx is afternoon ("12:30 AM" after
    // midnight, "12:30 PM" after noon). Reminder texts, hints, the history
    // log, the event list's edit panel and the information strip's clock.
    Dial,
    // Only hours above 12 are reduced: midnight reads 00, 12:xx is still
    // morning ("00:30 am", "12:30 am"). The sunrise and sunset label of the
    // month view.
    ReduceAfterNoon,
    // Only hours above 12 are reduced, and 12:xx is afternoon: midnight reads
    // 00 ("00:30 am", "12:30 pm"). The astronomical data window, its printed
    // report and orvanto-cli astro; the add dialog's first suggested time.
    ZeroMidnight,
};

struct TwelveHourTime {
    int hour = 0;            // as written
    bool afternoon = false;  // "pm"
};

TwelveHourTime ToTwelveHour(int hour, NoonRule rule);

}  // namespace orvanto
