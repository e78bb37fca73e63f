// The occurrences of a stored record as iCalendar recurrence: one or more
// segments, each a first date with an optional RRULE, whose expansion by any
// RFC 5545 calendar gives exactly days the month view shows for the record.
//
// Most records map to one natural rule (every N days, weeks, months or
// years; the nth or last weekday of every month or of one month) bounded by
// the record's limit or the calendar's end, 31 December 2078. The calendar's
// own date arithmetic departs from the civil calendar in three places: a day
// missing from the target month rolls into the next one (31 January every
// month goes on 3 March, then 3 April), 29 February every year goes on
// 1 March, and the day count holds a 29 February in 1800 and 1900. Records
// that meet one of these are expanded by the month index itself and cut into
// segments, each a natural rule from its own first date.
#pragma once

#include <string>
#include <vector>

#include "reminders/reminder_record.h"

namespace orvanto {

struct SeriesSegment {
    int firstDate = 0;  // DayNumber of the segment's first occurrence
    int lastDate = 0;   // DayNumber of its last occurrence
    std::string rule;   // RRULE value without UNTIL or COUNT ("" for one date)
    int count = 0;      // COUNT when above 0, else UNTIL lastDate
};

// The segments of a record (one for a record that does not repeat).
std::vector<SeriesSegment> SeriesOf(const ReminderRecord& record);

// The natural rule of a repeating record ("FREQ=WEEKLY;INTERVAL=2",
// "FREQ=YEARLY;BYMONTH=11;BYDAY=4FR", ...), "" for one that does not repeat.
std::string NaturalRule(const ReminderRecord& record);

// Every date of the rule from firstDate on, up to lastDate, at most `limit`
// dates (DayNumbers), as an RFC 5545 expansion gives them.
std::vector<int> ExpandRule(const std::string& rule, int firstDate, int lastDate, std::size_t limit);

// The days (DayNumbers) the month view shows for the record from its date on,
// found month by month with the month index.
std::vector<int> MonthViewOccurrences(const ReminderRecord& record, int lastDate);

}  // namespace orvanto
