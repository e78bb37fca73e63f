// The order of reminder lines and the renumbering of each day's sequence
// characters.
#pragma once

#include <string_view>

#include "reminders/reminder_record.h"

namespace orvanto {

// The text comparison every sorter of the section uses: case-insensitive,
// punctuation (and other symbols) before digits, digits before letters;
// lines equal under that rule are ordered by their bytes.
bool ReminderTextLess(std::string_view a, std::string_view b);

// Sorts the lines with ReminderTextLess (stable).
void SortReminderLines(ReminderLines& lines);

// Numbers each day's records "0", "1", ... again in a fixed order: untimed
// records first, then the timed ones by time, ties by the rest of the line.
// Lines marked deleted are left as they are. A line that follows none of the
// record forms keeps its key, and when its key names a sequence character of
// a day, the records of that day are numbered around it so that no two lines
// share a key. The list comes back sorted.
void RenumberReminders(ReminderLines& lines);

}  // namespace orvanto
