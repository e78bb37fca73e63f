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
#include "cli/commands.h"

namespace orvanto::cli {

namespace {

constexpr const char* kCommand = "date";

constexpr const char* kWeekdayNames[7] = {"Sunday",   "Monday", "Tuesday", "Wednesday",
                                          "Thursday", "Friday", "Saturday"};

std::optional<int> ParseDigits(const std::string& text, size_t position, size_t count) {
    int value = 0;
    const char* first = text.data() + position;
    const auto [stop, error] = std::from_chars(first, first + count, value);
    if (error != std::errc() || stop != first + count) return std::nullopt;
    return value;
}

// Exactly "YYYY-MM-DD", a real date of 1753-2078.
std::optional<CivilDate> ParseDate(const std::string& text) {
    if (text.size() != 10 || text[4] != '-' || text[7] != '-') return std::nullopt;
    for (size_t i : {0u, 1u, 2u, 3u, 5u, 6u, 8u, 9u}) {
        if (text[i] < '0' || text[i] > '9') return std::nullopt;
    }
    const CivilDate date{*ParseDigits(text, 0, 4), *ParseDigits(text, 5, 2),
                         *ParseDigits(text, 8, 2)};
    if (!IsValidDate(date.day, date.month, date.year)) return std::nullopt;
    return date;
}

}  // namespace

int RunDateCommand(const Args& args) {
    if (args.size() != 1) return UsageError(kCommand, "usage: date YYYY-MM-DD");
    const std::optional<CivilDate> parsed = ParseDate(args[0]);
    if (!parsed) {
        return UsageError(kCommand,
                          "expected a date YYYY-MM-DD from 1753-01-01 to 2078-12-31, not '" +
                              args[0] + "'");
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
