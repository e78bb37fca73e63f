// Reminders, holidays and bookmarks written as an iCalendar file (RFC 5545).
//
// One VEVENT per stored record: SUMMARY the text; DTSTART the record's date,
// a DATE for an untimed record and a local DATE-TIME with the user's TZID for
// a timed one (the zone's VTIMEZONE is included); RRULE from the repeat kind,
// bounded by COUNT or UNTIL; a display alarm at the time of a timed reminder
// and one for the alert days; CATEGORIES Reminder, Holiday or Bookmark; and a
// UID derived from the record's content, so an unchanged record keeps its UID
// from one export to the next. Where the calendar's arithmetic cannot be said
// in one rule, the series goes on in continuation events (see ical_series.h).
// X-ORVANTO-RECORD carries the record's own fields so that an import gives
// back exactly the record exported.
#pragma once

#include <limits>
#include <string>
#include <vector>

#include "calendar/month_holidays.h"
#include "reminders/reminder_record.h"

namespace orvanto {

enum RecordTypeMask : unsigned {
    kExportReminders = 1u << 0,
    kExportHolidays = 1u << 1,
    kExportBookmarks = 1u << 2,
    kExportAllTypes = kExportReminders | kExportHolidays | kExportBookmarks,
};

struct IcsExportOptions {
    int fromDate = 0;                              // DayNumber; records dated before are left out
    int toDate = std::numeric_limits<int>::max();  // DayNumber; records dated after are left out
    unsigned types = kExportAllTypes;
    // The calendar's computed holidays (Easter, Thanksgiving...) of the years
    // from fromYear to toYear, as one-day events.
    bool withCalculatedHolidays = false;
    HolidaySwitches holidaySwitches;
    int fromYear = 0;
    int toYear = 0;
    // The user's zone ("Europe/Madrid"); empty: timed events in floating local time.
    std::string timeZoneId;
};

struct IcsExport {
    std::string text;  // the whole file, CRLF line ends
    int records = 0;   // records exported
    int events = 0;    // VEVENTs written (continuations and holidays included)
};

IcsExport ExportReminders(const ReminderLines& lines, const IcsExportOptions& options);

// The stable UID of a record: a hash of its date and fields (not of its
// sequence character, which changes when a day is renumbered).
std::string RecordUid(const ReminderRecord& record);

// The zone the user's clock runs in: TZ when it names a zone, /etc/timezone,
// or the zone file /etc/localtime points to; empty when none can be told.
std::string LocalTimeZoneId();

// The name of the extension property carrying a record's own fields.
inline constexpr const char* kRecordProperty = "X-ORVANTO-RECORD";
inline constexpr const char* kContinuationProperty = "X-ORVANTO-CONTINUATION";
inline constexpr const char* kCalculatedHolidayProperty = "X-ORVANTO-CALCULATED";

}  // namespace orvanto
