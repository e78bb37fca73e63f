// ReminderEntry: the choices of the add-event dialog, checked in the order
// the dialog checks them and composed into a stored reminder value
// ("code,warning,time,startlimit,text").
#pragma once

#include <string>

namespace orvanto {

enum class EntryField { None, FirstDate, Every, Warning, Hour, Minute, StartDate, LimitDate, LimitCount };

struct ReminderEntry {
    int day = 0;
    int month = 0;
    int year = 0;
    int typeIndex = 0;        // 0 reminder, 1 holiday, 2 bookmark
    int repeatKind = 0;       // 0 none, 1 every N units, 2 on a weekday of a month
    std::string everyText;    // N as typed (repeat kind 1)
    int unitIndex = 0;        // 0 years, 1 months, 2 weeks, 3 days
    int monthIndex = 0;       // 0 every month, 1..12 January..December
    int whichIndex = 0;       // 0 all, 1..4 1st..4th, 5 last
    int weekdayIndex = 0;     // 0 Sunday..6 Saturday
    std::string warningText;  // alert days as typed
    bool timed = false;       // "Ti&med Event" ticked and enabled
    int hour = 0;             // as typed (0..12 on a twelve-hour system)
    int minute = 0;
    bool twelveHour = false;
    bool pm = false;
    bool useStart = false;
    int startDayNumber = 0;
    int limitKind = 0;  // 0 none, 1 date limit, 2 count limit
    int limitDayNumber = 0;
    int limitCount = 1;
    std::string text;
};

struct EntryResult {
    std::string value;  // the stored value, trimmed; empty on a fault
    EntryField faultField = EntryField::None;
    std::string message;  // the warning text; empty: beep only
    bool Ok() const { return faultField == EntryField::None; }
};

inline constexpr const char* kInvalidDateMessage = "Invalid Date";
inline constexpr const char* kStartOutOfRangeMessage = "Start date out of range.";
inline constexpr const char* kLimitNotAfterEventMessage = "Limit should be greather than event date.";
inline constexpr const char* kLimitDateOutOfRangeMessage = "Limit date out of range.";
inline constexpr const char* kLimitCountOutOfRangeMessage = "Limit out of range.";
inline constexpr const char* kEveryOutOfRangeMessage = "Value must be between 1 and 99.";
inline constexpr const char* kWarningOutOfRangeMessage =
    "Warnings must be between 0 and 99 days before the event.";

// The reminder code: type digit, repeat digit, then month character, which
// and weekday digits (repeat on), or N as two digits and the unit digit.
std::string ReminderCode(const ReminderEntry& entry);

// The time field: "9999" untimed, else two-digit hour and minute, a
// twelve-hour "PM" adding 12 to hours other than 12 and "AM" making 12 into 0.
std::string ReminderTimeField(const ReminderEntry& entry, EntryField* fault = nullptr);

// The OK sequence's checks and the composed value, the first fault found.
// Whatever the fields hold, the value is one the record reader accepts: N
// must be 1..99 and, for a reminder, the warning 0..99 (the warning of a
// holiday or bookmark, whose field is disabled, is stored as "0" when it is
// no such number).
EntryResult ComposeReminderEntry(const ReminderEntry& entry);

}  // namespace orvanto
