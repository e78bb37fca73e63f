#include "reminders/descriptions.h"

#include <array>
#include <cstdio>

#include "calendar/date_text.h"
#include "calendar/day_number.h"
#include "calendar/twelve_hour.h"
#include "reminders/utf8_text.h"

namespace orvanto {

namespace {

constexpr std::array<const char*, 4> kUnitWords = {" year", " month", " week", " day"};
constexpr std::array<const char*, 6> kWhichWords = {"all", "1st", "2nd", "3rd", "4th", "last"};
constexpr std::array<const char*, 7> kWeekdayWords = {" Sunday",   " Monday", " Tuesday", " Wednesday",
                                                      " Thursday", " Friday", " Saturday"};
constexpr std::array<const char*, 13> kMonthWords = {
    " every month", " January", " February",  " March",   " April",    " May",     " June",
    " July",        " August",  " September", " October", " November", " December"};

constexpr std::size_t kLogTextWidth = 45;
constexpr std::size_t kLogFrequencyWidth = 26;
constexpr std::size_t kLogTimeWidth = 6;

std::string TwoDigit(int value) {
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "%02d", value);
    return buffer;
}

template <std::size_t N>
const char* Word(const std::array<const char*, N>& words, int index) {
    return index >= 0 && static_cast<std::size_t>(index) < N ? words[static_cast<std::size_t>(index)] : "";
}

// "every 2 weeks" or "on last Friday in every month"; empty for no repeat.
std::string RepeatText(int repeatKind, int unitOrWeekday, int countOrWhich, int monthIndex) {
    if (repeatKind == kRepeatEvery) {
        std::string text = "every " + std::to_string(countOrWhich) + Word(kUnitWords, unitOrWeekday);
        if (countOrWhich > 1) text += "s";
        return text;
    }
    if (repeatKind == kRepeatOnWeekday) {
        return std::string("on ") + Word(kWhichWords, countOrWhich) + Word(kWeekdayWords, unitOrWeekday) +
               " in" + Word(kMonthWords, monthIndex);
    }
    return "";
}

// Reminder texts and the history log write times on a twelve-hour dial:
// midnight and noon read 12, 12:xx is afternoon.
std::string DialHourText(int hour) { return TwoDigit(ToTwelveHour(hour, NoonRule::Dial).hour); }

bool IsMorning(int hour) { return !ToTwelveHour(hour, NoonRule::Dial).afternoon; }

}  // namespace

std::string FrequencyText(const ReminderRecord& record) {
    std::string text = record.type == kReminderType  ? "Reminder "
                       : record.type == kHolidayType ? "Holiday  "
                                                     : "Bookmark ";
    if (record.Repeats()) {
        text += RepeatText(record.repeatKind, record.unitOrWeekday, record.countOrWhich, record.monthIndex);
    } else if (record.type != kBookmarkType) {
        text += "No repeat";
    }
    return text;
}

std::string LimitText(const ReminderRecord& record, int dateFormat) {
    const int limit = record.LimitValue();
    if (limit == 0) return "No limit";
    if (limit <= 99) return TwoDigit(limit) + " times";
    return DateText(limit + kStoredDateOffset, dateFormat);
}

std::string ShortDescription(int repeatKind, int unitOrWeekday, int countOrWhich, int monthIndex) {
    if (repeatKind == kNoRepeat) return "Unique Reminder";
    return "Reminder " + RepeatText(repeatKind, unitOrWeekday, countOrWhich, monthIndex);
}

std::string ShortDescription(const ReminderRecord& record) {
    return ShortDescription(record.repeatKind, record.unitOrWeekday, record.countOrWhich, record.monthIndex);
}

std::string DateText(int dayNumber, int dateFormat) {
    const CivilDate date = DateFromDayNumber(dayNumber);
    return DateText(date.year, date.month, date.day, dateFormat);
}

std::string ShortDateText(int dayNumber, int dateFormat) {
    const CivilDate date = DateFromDayNumber(dayNumber);
    return DateText(date.year, date.month, date.day, dateFormat, DateDigits::TwoDigitYear);
}

std::string EntryTimeText(int hour, int minute, const TimeStyle& style) {
    if (!style.twelveHour) return "(" + TwoDigit(hour) + ":" + TwoDigit(minute) + ")";
    return "(" + DialHourText(hour) + ":" + TwoDigit(minute) + " " +
           (IsMorning(hour) ? style.amDesignator : style.pmDesignator) + ")";
}

std::string MissedTimeText(int hour, int minute, const TimeStyle& style) {
    if (!style.twelveHour) return TwoDigit(hour) + ":" + TwoDigit(minute) + " hs.";
    return DialHourText(hour) + ":" + TwoDigit(minute) + " " +
           (IsMorning(hour) ? style.amDesignator : style.pmDesignator);
}

std::string LogTimeText(int hour, int minute, bool twelveHour) {
    if (!twelveHour || hour > 23) return TwoDigit(hour) + ":" + TwoDigit(minute);
    return DialHourText(hour) + ":" + TwoDigit(minute) + (IsMorning(hour) ? "a" : "p");
}

std::string LongDescription(const ReminderRecord& record, int dateFormat, bool twelveHour) {
    std::string line = DateText(record.date, dateFormat);
    line += "  ";
    const std::string time =
        record.HasTimeField() ? LogTimeText(record.hour, record.minute, twelveHour) : std::string("--:--");
    line += PadRight(time, kLogTimeWidth);
    line += " ";
    char alert[16];
    std::snprintf(alert, sizeof alert, "%2d", record.alertDays);
    line += FitToWidth(TrimTrailingBlanks(std::string(alert) + "  " + record.text), kLogTextWidth);
    line += "  ";
    line += PadRight(FrequencyText(record), kLogFrequencyWidth);
    line += " Start: ";
    const int start = record.StartDate();
    line += start == 0 ? std::string("--/--/----") : DateText(start, dateFormat);
    line += "  Limit: ";
    line += LimitText(record, dateFormat);
    return line;
}

std::string LongDescription(std::string_view line, int dateFormat, bool twelveHour) {
    const auto record = ParseReminder(line);
    if (!record) return std::string(line);
    return LongDescription(*record, dateFormat, twelveHour);
}

}  // namespace orvanto
