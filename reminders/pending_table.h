// The pending table: the reminders the once-a-second check watches, rebuilt
// from the settings file once a minute and after every change. It holds the
// reminders (type 1) whose date minus alert days has been reached: today's,
// advance warnings and missed ones, at most 36.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "core/ini_file.h"
#include "reminders/reminder_record.h"

namespace orvanto {

inline constexpr std::size_t kMaxPendingEntries = 36;
// The time an entry is given once it has fired: 0.999 of a day (23:58:33.6).
inline constexpr std::int64_t kFiredTimeMs = 86'313'600;

struct PendingEntry {
    int date = 0;  // DayNumber of the record
    char sequence = '0';
    std::string code;
    int alertDays = 0;
    bool active = false;      // timed, and its time was still ahead at the build
    std::int64_t timeMs = 0;  // time of day in ms (0 untimed); kFiredTimeMs once fired
    bool fired = false;       // has popped up since the build: never again before the next
    std::string timeField;    // the stored time field
    std::string startLimit;   // the stored start and limit groups
    std::string text;         // at most 128 characters
};

struct PendingTable {
    std::vector<PendingEntry> entries;
    int pendingCount = 0;    // dated today and active: asked about on exit
    int todayDoneCount = 0;  // dated today, untimed or with its time passed
    int otherCount = 0;      // dated on other days: advance warnings and missed
    int EntryCount() const { return static_cast<int>(entries.size()); }
};

// The table for `date` at `nowMs` since midnight, from the records of the
// settings file (read and sorted).
PendingTable BuildPendingTable(int date, std::int64_t nowMs, const IniFile& settings);
// The same over lines already read.
PendingTable BuildPendingTable(int date, std::int64_t nowMs, ReminderLines lines);

// " 12/25/2005 (2 pending events)": a blank, the date in "DateFormat" order,
// then " (No pending events)", " (1 pending event)" or " (N pending events)".
std::string PendingText(int date, int pendingCount, int dateFormat);

}  // namespace orvanto
