// iCalendar files (RFC 5545) read into reminder records: each VEVENT becomes
// the closest record the format can hold. What cannot be held (exceptions,
// rules repeating more often than daily, several weekdays in one rule, times
// in another zone) is converted where it can be and otherwise reported, event
// by event; nothing is dropped without a word. Files of other programs are
// read too: folded lines, CR LF ends, zones, all-day events, exceptions.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "core/ini_file.h"
#include "reminders/reminder_record.h"

namespace orvanto {

struct ImportedRecord {
    int date = 0;             // DayNumber
    std::string value;        // "code,alert,time,startlimit,text"
    std::string description;  // how reports name the event: its date and summary
};

struct IcsReading {
    std::vector<ImportedRecord> records;
    std::vector<std::string> notes;  // one line per event that was converted or skipped
    // A file that is no iCalendar text: "line N: ..."; nothing is imported.
    std::optional<std::string> error;
};

// Reads the file's text. Times in a zone or in universal time are converted
// to local time through the process's time zone.
IcsReading ReadIcs(const std::string& text);

struct IcsImportOutcome {
    std::vector<ImportedRecord> added;
    std::vector<std::string> notes;  // events already present, days full
};

// Adds the records to a list of "key=value" lines of section "Reminders"
// under the first free key of their day, leaving out those already present
// (same date, time and text) and those of a day that holds 36 records
// already; lines that are no records are kept as they are.
IcsImportOutcome AddImportedLines(ReminderLines& lines, const std::vector<ImportedRecord>& records);

// Adds the records to section "Reminders" under the first free key of their
// day, leaving out those already present (same date, time and text) and those
// of a day that holds 36 records already; the file is written once, and not
// at all with dryRun. Raises EIniFileError when it cannot be written.
IcsImportOutcome AddImportedRecords(IniFile& settings, const std::vector<ImportedRecord>& records,
                                    bool dryRun);

}  // namespace orvanto
