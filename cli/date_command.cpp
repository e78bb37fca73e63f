// orvanto-cli date YYYY-MM-DD: the calendar's counts of one date, one
// "Label: value" line each.
#include <charconv>
#include <cstdio>
#include <optional>
#include <string>

#include "calendar/day_counts.h"
#include "calendar/day_number.h"
#include "calendar/serial_date.h"
#include "calendar/valid_date.h"
#include "calendar/week_number.h"
#include "calendar/weekday.h"
#include "cli/cli_arguments.h"
#include "cli/commands.h"

namespace orvanto::cli {

namespace {

constexpr const char* kCommand = "date";

constexpr const char* kWeekdayNames[7] = {"Sunday",   "Monday", "Tuesday", "Wednesday",
                                          "Thursday", "Friday", "Saturday"};

}  // namespace

int RunDateCommand(const Args& args) {
    if (args.size() != 1) return UsageError(kCommand, "usage: date YYYY-MM-DD");
    const std::optional<CivilDate> parsed = ParseIsoDate(args[0]);
    if (!parsed) {
        return UsageError(kCommand,
                          "expected a date YYYY-MM-DD from 1753-01-01 to 2078-12-31, not '" + args[0] + "'");
    }
    const CivilDate d = *parsed;
    const int weekday = WeekdayOf(d.year, d.month, d.day);
    std::printf("DayNumber: %d\n", DayNumber(d));
    std::printf("WeekdayOf: %d (%s)\n", weekday, kWeekdayNames[weekday]);
    std::printf("Week (weeks from Sunday): %d\n", SimpleWeekNumber(d.year, d.month, d.day, false));
    std::printf("Week (weeks from Monday): %d\n", SimpleWeekNumber(d.year, d.month, d.day, true));
    std::printf("IsoWeekNumber: %d\n", IsoWeekNumber(EncodeDate(d)));
    std::printf("Day of year: %d\n", DayOfYear(d));
    std::printf("Days left in year: %d\n", DaysLeftInYear(d));
    return 0;
}

}  // namespace orvanto::cli
