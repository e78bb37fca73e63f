// The event list's table, search, edit-panel rules and save.
#include "reminders/event_list.h"

#include <algorithm>
#include <cstdio>

#include "calendar/day_number.h"
#include "calendar/twelve_hour.h"
#include "calendar/valid_date.h"
#include "reminders/descriptions.h"
#include "reminders/reminder_order.h"
#include "reminders/reminder_store.h"
#include "reminders/utf8_text.h"

namespace orvanto {

namespace {

constexpr const char* kNoDateText = "--/--/----";
constexpr const char* kNoTimeText = "--:--";

std::string Formatted(const char* format, int value) {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, format, value);
    return buffer;
}

char UpperAscii(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c; }

bool Contains(std::string_view text, std::string_view part, bool matchCase) {
    if (part.empty()) return true;
    if (matchCase) return text.find(part) != std::string_view::npos;
    const auto hit = std::search(text.begin(), text.end(), part.begin(), part.end(),
                                 [](char a, char b) { return UpperAscii(a) == UpperAscii(b); });
    return hit != text.end();
}

// A record's text may hold "," but never a line break: it would split the
// line in the settings file.
std::string OneLine(std::string text) {
    for (char& c : text) {
        if (c == '\n' || c == '\r') c = ' ';
    }
    return text;
}

// The time field of the panel's time for any record type, and the field at
// fault: the hour may be at most 12 with the twelve-hour clock.
std::string PanelTimeField(const ReminderEntry& panel, EntryField& fault) {
    if (panel.twelveHour && (panel.hour > 12 || panel.hour < 0)) {
        fault = EntryField::Hour;
        return std::string(kNoTime);
    }
    ReminderEntry asReminder = panel;
    asReminder.typeIndex = 0;  // every type keeps its time in the event list
    return ReminderTimeField(asReminder, &fault);
}

// The value with its third field (the time) replaced.
std::string WithTimeField(const std::string& value, const std::string& time) {
    const auto first = value.find(',');
    const auto second = first == std::string::npos ? first : value.find(',', first + 1);
    const auto third = second == std::string::npos ? second : value.find(',', second + 1);
    if (third == std::string::npos) return value;
    return value.substr(0, second + 1) + time + value.substr(third);
}

EventCommit CommitFault(EntryField field, std::string message) {
    EventCommit commit;
    commit.faultField = field;
    commit.message = std::move(message);
    return commit;
}

}  // namespace

const EventCells& EventColumnHeaders() {
    static const EventCells headers = {"N\u00B0", "Date", "Time",       "Warning",
                                       "Message", "Type", "Start Date", "Limit"};
    return headers;
}

EventCells EventCellTexts(const ReminderRecord& record, int number, const EventTextStyle& style) {
    EventCells cells;
    cells[kNumberColumn] = Formatted("%03d", number) + " ";
    cells[kDateColumn] = DateText(record.date, style.dateFormat);
    cells[kTimeColumn] = record.HasTimeField() ? LogTimeText(record.hour, record.minute, style.twelveHour)
                                               : std::string(kNoTimeText);
    cells[kWarningColumn] = Formatted("%2d", record.alertDays);
    cells[kMessageColumn] = record.text;
    cells[kTypeColumn] = TrimTrailingBlanks(FrequencyText(record));
    const int start = record.StartDate();
    cells[kStartColumn] = start == 0 ? std::string(kNoDateText) : DateText(start, style.dateFormat);
    cells[kLimitColumn] = LimitText(record, style.dateFormat);
    return cells;
}

EventList LoadEventList(const ReminderLines& sectionLines, const EventTextStyle& style) {
    ReminderLines lines = sectionLines;
    SortReminderLines(lines);
    EventList list;
    list.entries.reserve(lines.size());
    for (std::string& line : lines) {
        const auto datePart = KeyDatePart(KeyOf(line));
        auto record = datePart && *datePart > 0 ? ParseReminder(line) : std::nullopt;
        if (!record) {
            list.keptLines.push_back(std::move(line));
            continue;
        }
        EventListEntry entry;
        entry.number = static_cast<int>(list.entries.size()) + 1;
        entry.cells = EventCellTexts(*record, entry.number, style);
        entry.record = std::move(*record);
        entry.line = std::move(line);
        list.entries.push_back(std::move(entry));
    }
    return list;
}

std::optional<std::size_t> OpeningRow(const std::vector<EventListEntry>& entries, int today) {
    if (entries.empty()) return std::nullopt;
    for (std::size_t row = 0; row < entries.size(); ++row) {
        if (entries[row].record.date >= today) return row;
    }
    return entries.size() - 1;
}

void SortEventsByColumn(std::vector<EventListEntry>& entries, int column, bool ascending) {
    if (column < 0 || column >= kEventColumnCount) return;
    const auto c = static_cast<std::size_t>(column);
    std::stable_sort(entries.begin(), entries.end(),
                     [c, ascending](const EventListEntry& a, const EventListEntry& b) {
                         return ascending ? a.cells[c] < b.cells[c] : b.cells[c] < a.cells[c];
                     });
}

void SortEventsByKey(std::vector<EventListEntry>& entries) {
    std::stable_sort(entries.begin(), entries.end(), [](const EventListEntry& a, const EventListEntry& b) {
        return ReminderTextLess(a.line, b.line);
    });
}

std::optional<std::size_t> FindEventRow(const std::vector<EventListEntry>& entries, std::string_view text,
                                        bool matchCase, std::size_t from) {
    for (std::size_t row = from; row < entries.size(); ++row) {
        const EventCells& cells = entries[row].cells;
        for (int column = kDateColumn; column < kEventColumnCount; ++column) {
            if (Contains(cells[static_cast<std::size_t>(column)], text, matchCase)) return row;
        }
    }
    return std::nullopt;
}

ReminderEntry PanelEntryOf(const ReminderRecord& record, int currentYear, bool twelveHour) {
    ReminderEntry entry;
    const CivilDate date = DateFromDayNumber(record.date);
    entry.day = date.day;
    entry.month = date.month;
    entry.year = date.year;
    entry.typeIndex = std::clamp(record.type, 1, 3) - 1;
    entry.repeatKind = record.repeatKind;
    if (record.repeatKind == kRepeatEvery) {
        entry.everyText = std::to_string(record.countOrWhich);
        entry.unitIndex = record.unitOrWeekday;
    } else if (record.repeatKind == kRepeatOnWeekday) {
        entry.whichIndex = record.countOrWhich;
        entry.weekdayIndex = record.unitOrWeekday;
        entry.monthIndex = record.monthIndex;
    }
    entry.warningText = record.type == kReminderType ? std::to_string(record.alertDays) : std::string();
    entry.twelveHour = twelveHour;
    entry.timed = record.HasTimeField();
    if (entry.timed) {
        entry.hour = record.hour;
        entry.minute = record.minute;
        if (twelveHour && record.HasValidTime()) {
            const TwelveHourTime dial = ToTwelveHour(record.hour, NoonRule::Dial);
            entry.pm = dial.afternoon;
            entry.hour = dial.hour;
        }
    }
    const int start = record.StartDate();
    entry.useStart = start != 0;
    entry.startDayNumber = start != 0 ? start : DayNumber(date.year - 1, date.month, date.day);
    const int limit = record.LimitValue();
    entry.limitKind = limit == 0 ? 0 : limit > 99 ? 1 : 2;
    entry.limitDayNumber = limit > 99 ? limit + kStoredDateOffset : DayNumber(currentYear, 12, 31);
    entry.limitCount = limit >= 1 && limit <= 99 ? limit : 1;
    entry.text = record.text;
    return entry;
}

EventCommit CommitEventPanel(const ReminderEntry& panel, const std::vector<EventListEntry>& entries,
                             std::size_t index) {
    ReminderEntry entry = panel;
    entry.text = OneLine(entry.text);
    if (TrimBlanks(entry.warningText).empty()) entry.warningText = "0";
    if (!IsValidDate(entry.day, entry.month, entry.year))
        return CommitFault(EntryField::FirstDate, kInvalidDateMessage);

    std::string time(kNoTime);
    if (entry.timed) {
        EntryField timeFault = EntryField::None;
        time = PanelTimeField(entry, timeFault);
        if (timeFault != EntryField::None) return CommitFault(timeFault, "");
    }
    const EntryResult result = ComposeReminderEntry(entry);
    if (!result.Ok()) return CommitFault(result.faultField, result.message);

    const int date = DayNumber(entry.year, entry.month, entry.day);
    if (index < entries.size() && date != entries[index].record.date) {
        const auto sameDay =
            std::count_if(entries.begin(), entries.end(),
                          [date](const EventListEntry& other) { return other.record.date == date; });
        if (sameDay >= kMaxRecordsPerDay) {
            EventCommit commit;
            commit.tooManyForDay = true;
            commit.message = kTooManyRemindersMessage;
            return commit;
        }
    }
    const char sequence = index < entries.size() ? entries[index].record.sequence : '0';
    EventCommit commit;
    commit.line = std::to_string(date) + "/" + sequence + "=" + WithTimeField(result.value, time);
    return commit;
}

std::size_t ReplaceEventLine(std::vector<EventListEntry>& entries, std::size_t index, const std::string& line,
                             const EventTextStyle& style) {
    auto record = ParseReminder(line);
    if (index >= entries.size() || !record) return index;
    EventListEntry& entry = entries[index];
    const int number = entry.number;
    entry.line = line;
    entry.record = std::move(*record);
    entry.cells = EventCellTexts(entry.record, number, style);
    SortEventsByKey(entries);
    const auto moved = std::find_if(entries.begin(), entries.end(),
                                    [number](const EventListEntry& e) { return e.number == number; });
    return static_cast<std::size_t>(moved - entries.begin());
}

ReminderLines EventListLines(const EventList& list) {
    ReminderLines lines;
    lines.reserve(list.entries.size() + list.keptLines.size());
    for (const EventListEntry& entry : list.entries) lines.push_back(entry.line);
    lines.insert(lines.end(), list.keptLines.begin(), list.keptLines.end());
    return lines;
}

void SaveEventList(const EventList& list, IniFile& settings) {
    WriteBackReminders(EventListLines(list), settings);
}

}  // namespace orvanto
