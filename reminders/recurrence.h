// Recurrence: a stored record stands for one occurrence, its key's date. When
// that occurrence is consumed the record is replaced by the record of the
// next occurrence computed here, or removed when there is none.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "reminders/descriptions.h"
#include "reminders/reminder_record.h"
#include "reminders/reminder_services.h"

namespace orvanto {

// The start-up pass clears invalid times (with a warning for a repeating
// record) and, for the weekday-of-a-month kind, also accepts a timed
// occurrence later today; the once-a-second check does neither.
enum class RescheduleRules { kStartupPass, kReminderCheck };

// What rescheduling reads from section "Settings".
struct RescheduleSettings {
    std::string historyFile;  // "HistoryFile"; empty: no log
    int dateFormat = 2;       // "DateFormat"
    bool twelveHour = false;  // the twelve-hour flag
};

// The record of the next occurrence: date, time field and limit group.
struct NextOccurrence {
    int date = 0;
    int alertDays = 0;
    std::string timeField;
    std::string limitGroup;
};

// The next occurrence of a record consumed on `today` at `nowMs` since
// midnight, nothing when there is none (no repeat, limit reached). The time
// field given is used for the record (the caller clears an invalid one).
std::optional<NextOccurrence> NextOccurrenceOf(const ReminderRecord& record, const std::string& timeField,
                                               int today, std::int64_t nowMs, RescheduleRules rules);

// Consumes the record at index: writes its history line, and when it has a
// next occurrence appends the record for it with AppendReminder. The caller
// marks the old line with DeleteMark. False when the line is no record.
bool RescheduleReminder(ReminderLines& lines, std::size_t index, int today,
                        const RescheduleSettings& settings, ReminderServices& services,
                        RescheduleRules rules);

// Appends a one-time timed copy of the record at index, due that many minutes
// from now (tomorrow when that passes midnight), its text prefixed by how far
// the record's date is from today. The record copied is not touched.
bool WarnAgainCopy(ReminderLines& lines, std::size_t index, int minutes, int today,
                   ReminderServices& services);

// ElapsedText from the start date to the reference date; empty for "0000".
std::string AgeText(const std::string& startGroup, int referenceDate);

// True when the limit is a count of 1, or a limit date on or before the
// occurrence date: the series ends after this occurrence.
bool IsLastTime(const std::string& limitGroup, int occurrenceDate);

}  // namespace orvanto
