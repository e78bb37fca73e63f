// The principal phases of a month over the phase instants of PhaseOnOrAfter.
#include "astronomy/month_phases.h"

#include "astronomy/julian_day.h"
#include "astronomy/moon_phases.h"

namespace orvanto::astro {

namespace {

constexpr int kMaxPhases = 10;
// A month never holds more than five phases; the walk is bounded anyway.
constexpr int kMaxSteps = 16;
constexpr double kMinutesPerDay = 1440.0;

double Phase(int code, double serial) { return PhaseOnOrAfter(static_cast<TMoonPhase>(code), serial); }

}  // namespace

std::vector<MonthPhase> MonthPrincipalPhases(int year, int month, int biasMinutes) {
    std::vector<MonthPhase> phases;
    const double firstOfMonth = EncodeSerialDate(year, month, 1);

    // The first principal phase on or after the first of the month.
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
    for (int step = 0; step < kMaxSteps && static_cast<int>(phases.size()) < kMaxPhases; ++step) {
        const double local = candidate - biasMinutes / kMinutesPerDay;
        const SerialDateTime when = DecodeSerialDateTime(local);
        if (when.date.year == year && when.date.month == month && local > lastRecorded) {
            phases.push_back(MonthPhase{when.date.day, when.timeOfDay, code});
            lastRecorded = local;
        }
        code = (code + 2) % 8;
        candidate = Phase(code, local);
        const CalendarDate next = DecodeSerialDateTime(candidate - biasMinutes / kMinutesPerDay).date;
        if (next.year != year || next.month != month) break;
    }
    return phases;
}

}  // namespace orvanto::astro
