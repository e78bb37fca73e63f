// The principal moon phases whose local date falls in a month, walked phase
// by phase from the first of the month (Meeus, Astronomical Algorithms,
// ch. 49). The month view's glyphs and the printed calendars both show them.
#pragma once

#include <vector>

namespace orvanto::astro {

struct MonthPhase {
    int day = 0;           // day of the month of the local instant
    double timeOfDay = 0;  // its local time of day, as a fraction of a day
    int phase = 0;         // TMoonPhase code: 0 new, 2 first quarter, 4 full, 6 last quarter
};

// At most 10 entries (a month holds at most five); biasMinutes is the
// TimeZoneBias (universal time = local time + bias). Instants are read as
// linear serial dates, also before 30 December 1899.
std::vector<MonthPhase> MonthPrincipalPhases(int year, int month, int biasMinutes);

}  // namespace orvanto::astro
