// The texts that describe a reminder record: the short description of the
// popup's caption bar, the long description of the history log, and the date
// and time texts they and the popups are made of.
#pragma once

#include <string>
#include <string_view>

#include "reminders/reminder_record.h"

namespace orvanto {

// How times are written: with the twelve-hour flag the hour 1..12 and the
// system's morning or afternoon designator.
struct TimeStyle {
    bool twelveHour = false;
    std::string amDesignator = "AM";
    std::string pmDesignator = "PM";
};

// "Unique Reminder", "Reminder every 2 weeks", "Reminder on last Friday in
// every month". The type is not looked at.
std::string ShortDescription(int repeatKind, int unitOrWeekday, int countOrWhich, int monthIndex);
std::string ShortDescription(const ReminderRecord& record);

// The history-log line of a record: date, time, alert days and text (45
// characters), frequency, start date and limit. A line that follows none of
// the record forms is given back as it is.
std::string LongDescription(std::string_view line, int dateFormat, bool twelveHour);
std::string LongDescription(const ReminderRecord& record, int dateFormat, bool twelveHour);

// The frequency part of the long description: the type word ("Reminder ",
// "Holiday  ", "Bookmark ") and how the record repeats ("every 2 weeks", "on
// last Friday in every month", "No repeat"; nothing for a bookmark).
std::string FrequencyText(const ReminderRecord& record);
// The limit part: "No limit", a count as "05 times", or the limit date.
std::string LimitText(const ReminderRecord& record, int dateFormat);

// "mm/dd/yyyy" (DateFormat 1) or "dd/mm/yyyy" (otherwise) of a DayNumber.
std::string DateText(int dayNumber, int dateFormat);
// The same with a two-digit year: "12/25/05".
std::string ShortDateText(int dayNumber, int dateFormat);

// The time of a month-index entry: "(14:30)" or "(02:30 PM)".
std::string EntryTimeText(int hour, int minute, const TimeStyle& style);
// The time of a missed-reminder line: "14:30 hs." or "02:30 PM".
std::string MissedTimeText(int hour, int minute, const TimeStyle& style);
// The time of a history line: "14:30" or "02:30p".
std::string LogTimeText(int hour, int minute, bool twelveHour);

}  // namespace orvanto
