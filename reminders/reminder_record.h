// Reminder records: one line "key=value" of section "Reminders" per reminder,
// holiday or bookmark.
//
// Key: the date as a DayNumber, "/" and a sequence character ("0".."9",
// "A".."Z") that tells apart the records of one day. Value: code "," alert
// days "," time "," start-and-limit "," text. Older, shorter values (code and
// text only, or without the start-and-limit field) are read as well.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/settings_keys.h"

namespace orvanto {

// A list of "key=value" lines of section "Reminders", parsed where it is used.
using ReminderLines = std::vector<std::string>;

// The sequence characters of one day, in order: at most 36 records a day.
inline constexpr std::string_view kSequenceCharacters = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ";
inline constexpr int kMaxRecordsPerDay = 36;
// Put in front of the key of a line that is to be removed at write-back.
inline constexpr std::string_view kDeletedMark = "$DEL$";
// Start dates and limit dates are stored as DayNumber - 700000.
inline constexpr int kStoredDateOffset = 700000;
// The time field of an untimed record.
inline constexpr std::string_view kNoTime = "9999";

enum ReminderType { kReminderType = 1, kHolidayType = 2, kBookmarkType = 3 };
enum RepeatKind { kNoRepeat = 0, kRepeatEvery = 1, kRepeatOnWeekday = 2 };
enum RepeatUnit { kYears = 0, kMonths = 1, kWeeks = 2, kDays = 3 };

struct ReminderRecord {
    int date = 0;                // DayNumber of the key
    char sequence = '0';         // sequence character of the key
    std::string code;            // the five code characters
    int type = kReminderType;    // 1 reminder, 2 holiday, 3 bookmark
    int repeatKind = kNoRepeat;  // 0 none, 1 every N units, 2 weekday of a month
    int countOrWhich = 0;        // N (kind 1) or which weekday 0 all, 1..4, 5 last (kind 2)
    int unitOrWeekday = 0;       // unit (kind 1) or weekday 0 Sunday..6 Saturday (kind 2)
    int monthIndex = 0;          // kind 2: 0 every month, 1..12 January..December
    int alertDays = 0;
    std::string timeField{kNoTime};  // "HHMM" or "9999"
    int hour = 99;                   // from the time field
    int minute = 99;
    std::string startGroup = "0000";  // four hexadecimal digits
    std::string limitGroup = "0000";
    std::string text;
    // The value after the time field as stored (start and limit field, when
    // the line has one, and the text): the text of the invalid-time warning.
    std::string afterTimeField;

    // A time field other than "9999".
    bool HasTimeField() const { return timeField != kNoTime; }
    // Hour 0..23 and minute 0..59.
    bool HasValidTime() const { return hour >= 0 && hour <= 23 && minute >= 0 && minute <= 59; }
    // A stored time other than "9999" that is no time of day.
    bool HasInvalidTime() const { return HasTimeField() && !HasValidTime(); }
    int TimeInMinutes() const { return hour * 60 + minute; }
    bool Repeats() const { return repeatKind != kNoRepeat; }
    // The start date as a DayNumber, 0 when there is none.
    int StartDate() const;
    // The limit group as a number: 0 none, 1..99 a count, 100 or more a date.
    int LimitValue() const;
    // start group followed by limit group.
    std::string StartAndLimit() const { return startGroup + limitGroup; }
};

// The key of a line: date and sequence character, when the key has that shape.
struct ReminderKey {
    int date = 0;
    char sequence = '0';
};

// Reads a line "key=value". Gives nothing for a line marked deleted and for a
// line that follows none of the record forms (a key that is no date and
// sequence character, a date not above 0, a malformed code or field); such
// lines are left alone by every reader and kept as they are by every writer.
std::optional<ReminderRecord> ParseReminder(std::string_view line);

// The key of "key=value" (the text before the first "="), and the value.
std::string_view KeyOf(std::string_view line);
std::string_view ValueOf(std::string_view line);

// A key of the form date "/" sequence character with a date above 0.
std::optional<ReminderKey> ParseReminderKey(std::string_view key);

// The decimal number at the start of the key (with its sign), when the key
// starts with one: the start-up pass drops lines where it is 0 or negative.
std::optional<long long> KeyDatePart(std::string_view key);

bool IsMarkedDeleted(std::string_view line);

// The position of a sequence character in "0".."9","A".."Z", -1 for others.
int SequenceIndex(char sequence);

// The code as a decimal number, with position 3 read as "0" for the weekday
// kind: below 20000 reminder, 20000..29999 holiday, 30000 and above bookmark.
int NumericCode(std::string_view code);

// Four uppercase hexadecimal digits.
std::string HexGroup(int value);

// The line "date/sequence=code,alert,time,startlimit,text" of a record.
std::string FormatReminderLine(const ReminderRecord& record);

}  // namespace orvanto
