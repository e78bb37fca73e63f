// The month occurrence index: which days of one month carry reminders, timed
// reminders, holidays and bookmarks, and what each day's hint shows. Stored
// occurrences come from the records' keys; with "ShowGhost" the calculated
// occurrences of repeating records are added.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "calendar/month_holidays.h"
#include "core/ini_file.h"
#include "core/prompt.h"
#include "reminders/descriptions.h"
#include "reminders/reminder_record.h"

namespace orvanto {

inline constexpr std::size_t kMaxMonthIndexEntries = 500;
inline constexpr std::size_t kMaxEntryTextCharacters = 128;
inline constexpr const char* kTooManyEventsMessage = "There are too many events for this month.";

// Step kinds: how a calculated occurrence repeats.
enum StepKind : std::uint8_t {
    kStepStoredOrYearly = 0,  // stored occurrences, yearly and which-weekday-of-the-month records
    kStepMonthly = 1,
    kStepWeekly = 2,  // every N weeks, and every weekday W of a month
    kStepDaily = 3,
};

struct MonthIndexEntry {
    std::uint16_t day = 0;       // day of the month, 1..31
    std::string text;            // at most 128 characters
    std::uint8_t type = 0;       // 1 reminder, 2 holiday, 3 bookmark
    bool timed = false;          // the record has a valid time
    std::int32_t startDate = 0;  // DayNumber of the record's start date, 0 when none
    std::uint8_t stepKind = kStepStoredOrYearly;

    friend bool operator==(const MonthIndexEntry&, const MonthIndexEntry&) = default;
};

// The entries of one month, sorted by day (entries of one day in the order
// they were found).
struct MonthIndex {
    std::vector<MonthIndexEntry> entries;
    std::size_t Count() const { return entries.size(); }
};

// What the index reads from section "Settings".
struct MonthIndexSettings {
    int showGhost = 2;       // "ShowGhost": 0 none, 1 before and after the stored date, 2 after it
    bool inBrackets = true;  // "InBrackets"
    TimeStyle timeStyle;     // the twelve-hour flag and designators
};

MonthIndexSettings ReadMonthIndexSettings(const IniFile& settings, const TimeStyle& timeStyle);

// Reads the settings file (records, "ShowGhost", "InBrackets") and builds the
// index of the month. The 501st entry stops the build with the warning
// kTooManyEventsMessage; the first 500 are kept.
MonthIndex BuildMonthIndex(int month, int year, const IniFile& settings, const TimeStyle& timeStyle,
                           Prompt& prompt);

// The same over lines already read.
MonthIndex BuildMonthIndex(int month, int year, ReminderLines lines, const MonthIndexSettings& settings,
                           Prompt& prompt);

// Appends the month's holidays, in their order, as entries of type 2, untimed,
// step kind 0, no start date (the month view's index holds them after the
// records).
void AppendMonthHolidays(MonthIndex& index, const std::vector<Holiday>& holidays);

// The four holiday switches of section "Settings", as the main window reads them.
HolidaySwitches ReadHolidaySwitches(const IniFile& settings);

// The index as the month view uses it: BuildMonthIndex, then the month's
// holidays after the records.
MonthIndex BuildMonthViewIndex(int month, int year, const IniFile& settings, const TimeStyle& timeStyle,
                               Prompt& prompt);

}  // namespace orvanto
