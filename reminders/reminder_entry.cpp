// ReminderEntry: the add-event dialog's checks and the value it stores.
#include "reminders/reminder_entry.h"

#include <cstdio>
#include <optional>

#include "calendar/day_number.h"
#include "calendar/valid_date.h"
#include "core/decimal_number.h"
#include "reminders/utf8_text.h"

namespace orvanto {

namespace {

constexpr int kGroupBase = 700000;
constexpr int kGroupMax = 0xFFFF;
constexpr const char* kMonthCharacters = "0123456789ABC";

std::string Trimmed(const std::string& text) {
    const auto first = text.find_first_not_of(" \t\r\n");
    if (first == std::string::npos) return std::string();
    return text.substr(first, text.find_last_not_of(" \t\r\n") - first + 1);
}

std::string TwoDigits(int value) {
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "%02d", value);
    return buffer;
}

std::string Hex4(int value) {
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "%04X", static_cast<unsigned>(value));
    return buffer;
}

bool InGroupRange(int dayNumber) {
    return dayNumber - kGroupBase >= 0 && dayNumber - kGroupBase <= kGroupMax;
}

EntryResult Fault(EntryField field, std::string message) {
    EntryResult result;
    result.faultField = field;
    result.message = std::move(message);
    return result;
}

int EveryN(const ReminderEntry& entry) { return ParseInteger(Trimmed(entry.everyText)).value_or(0); }

// Alert days: one or two digits, 0..99.
std::optional<std::string> WarningField(const std::string& typed) {
    const std::string text = Trimmed(typed);
    const std::optional<int> days = ParseInteger(text);
    if (!days || *days < 0 || *days > 99 || text.size() > 2 || text[0] == '+' || text[0] == '-')
        return std::nullopt;
    return text;
}

}  // namespace

std::string ReminderCode(const ReminderEntry& entry) {
    const bool bookmark = entry.typeIndex == 2;
    const int repeat = bookmark ? 0 : entry.repeatKind;
    std::string code = std::to_string(entry.typeIndex + 1) + std::to_string(repeat);
    if (repeat == 2) {
        code += kMonthCharacters[entry.monthIndex];
        code += std::to_string(entry.whichIndex);
        code += std::to_string(entry.weekdayIndex);
    } else if (repeat == 1) {
        code += TwoDigits(EveryN(entry)) + std::to_string(entry.unitIndex);
    } else {
        code += "000";
    }
    return code;
}

std::string ReminderTimeField(const ReminderEntry& entry, EntryField* fault) {
    if (!entry.timed || entry.typeIndex != 0) return "9999";
    int hour = entry.hour;
    if (entry.twelveHour) {
        if (entry.pm && hour != 12) hour += 12;
        if (!entry.pm && hour == 12) hour = 0;
    }
    if (fault) {
        if (hour > 23 || hour < 0)
            *fault = EntryField::Hour;
        else if (entry.minute >= 60 || entry.minute < 0)
            *fault = EntryField::Minute;
    }
    return TwoDigits(hour) + TwoDigits(entry.minute);
}

EntryResult ComposeReminderEntry(const ReminderEntry& entry) {
    if (!IsValidDate(entry.day, entry.month, entry.year))
        return Fault(EntryField::FirstDate, kInvalidDateMessage);
    const bool repeating = entry.typeIndex != 2 && entry.repeatKind != 0;
    if (entry.typeIndex != 2 && entry.repeatKind == 1) {
        const std::string n = Trimmed(entry.everyText);
        if (n.empty() || n < "1") return Fault(EntryField::Every, "");
        const int every = EveryN(entry);
        if (every < 1 || every > 99) return Fault(EntryField::Every, kEveryOutOfRangeMessage);
    }
    std::optional<std::string> warning = WarningField(entry.warningText);
    if (!warning) {
        if (entry.typeIndex == 0) {
            return Fault(EntryField::Warning,
                         Trimmed(entry.warningText).empty() ? "" : kWarningOutOfRangeMessage);
        }
        warning = "0";
    }
    const std::string code = ReminderCode(entry);

    EntryField timeFault = EntryField::None;
    const std::string time = ReminderTimeField(entry, &timeFault);
    if (timeFault != EntryField::None) return Fault(timeFault, "");

    const int eventDay = DayNumber(entry.year, entry.month, entry.day);
    int start = 0;
    if (entry.useStart) {
        if (!InGroupRange(entry.startDayNumber)) return Fault(EntryField::StartDate, kStartOutOfRangeMessage);
        start = entry.startDayNumber - kGroupBase;
    }
    int limit = 0;
    if (repeating && entry.limitKind == 1) {
        if (entry.limitDayNumber <= eventDay) return Fault(EntryField::LimitDate, kLimitNotAfterEventMessage);
        if (!InGroupRange(entry.limitDayNumber))
            return Fault(EntryField::LimitDate, kLimitDateOutOfRangeMessage);
        limit = entry.limitDayNumber - kGroupBase;
    } else if (repeating && entry.limitKind == 2) {
        if (entry.limitCount < 1 || entry.limitCount > 99) {
            return Fault(EntryField::LimitCount, kLimitCountOutOfRangeMessage);
        }
        limit = entry.limitCount;
    }
    EntryResult result;
    result.value =
        Trimmed(code + "," + *warning + "," + time + "," + Hex4(start) + Hex4(limit) + "," + entry.text);
    return result;
}

}  // namespace orvanto
