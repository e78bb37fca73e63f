// MonthMoonPhases over the phase instants of the astronomy engine
// (Meeus, Astronomical Algorithms, ch. 49).
#include "ui/main/month_moon_phases.h"

#include "astronomy/julian_day.h"
#include "astronomy/moon_phases.h"
#include "calendar/serial_date.h"

namespace orvanto {

namespace {

constexpr int kMaxPhases = 10;
// A month never holds more than five phases; the walk is bounded anyway.
constexpr int kMaxSteps = 16;

double Phase(int code, double serial) {
    return astro::PhaseOnOrAfter(static_cast<astro::TMoonPhase>(code), serial);
}

}  // namespace

std::vector<MoonPhaseMark> MonthMoonPhases(int year, int month, int biasMinutes) {
    std::vector<MoonPhaseMark> marks;
    const double firstOfMonth = EncodeDate(year, month, 1);

    int code = 0;
    double candidate = Phase(0, firstOfMonth);
    for (int c : {2, 4, 6}) {
        const double t = Phase(c, firstOfMonth);
        if (t < candidate) {
            candidate = t;
            code = c;
        }
    }

    double lastRecorded = -1e9;
    for (int step = 0; step < kMaxSteps && static_cast<int>(marks.size()) < kMaxPhases; ++step) {
        const double local = candidate - biasMinutes / 1440.0;
        const astro::SerialDateTime when = astro::DecodeSerialDateTime(local);
        const astro::CalendarDate& date = when.date;
        if (date.year == year && date.month == month && local > lastRecorded) {
            marks.push_back(MoonPhaseMark{date.day, when.timeOfDay, code});
            lastRecorded = local;
        }
        code = (code + 2) % 8;
        candidate = Phase(code, local);
        const astro::CalendarDate next = astro::DecodeSerialDateTime(candidate - biasMinutes / 1440.0).date;
        if (next.year != year || next.month != month) break;
    }
    return marks;
}

}  // namespace orvanto
