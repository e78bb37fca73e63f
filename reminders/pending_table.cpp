#include "reminders/pending_table.h"

#include "reminders/date_steps.h"
#include "reminders/descriptions.h"
#include "reminders/reminder_order.h"
#include "reminders/reminder_store.h"
#include "reminders/utf8_text.h"

namespace orvanto {

namespace {

constexpr std::size_t kMaxPendingTextCharacters = 128;

PendingEntry EntryOf(const ReminderRecord& record, std::int64_t nowMs) {
    PendingEntry entry;
    entry.date = record.date;
    entry.sequence = record.sequence;
    entry.code = record.code;
    entry.alertDays = record.alertDays;
    const bool timed = record.HasTimeField() && record.HasValidTime();
    entry.timeMs = timed ? record.TimeInMinutes() * kMsPerMinute : 0;
    entry.active = timed && entry.timeMs > nowMs;
    entry.timeField = record.timeField;
    entry.startLimit = record.StartAndLimit();
    entry.text = CutToCharacters(record.text, kMaxPendingTextCharacters);
    return entry;
}

}  // namespace

PendingTable BuildPendingTable(int date, std::int64_t nowMs, const IniFile& settings) {
    return BuildPendingTable(date, nowMs, ReadReminderLines(settings));
}

PendingTable BuildPendingTable(int date, std::int64_t nowMs, ReminderLines lines) {
    SortReminderLines(lines);
    PendingTable table;
    for (const std::string& line : lines) {
        if (table.entries.size() >= kMaxPendingEntries) break;
        // Only reminders: the type digit right after the "=".
        const std::string_view value = ValueOf(line);
        if (value.empty() || value[0] != '1') continue;
        const auto record = ParseReminder(line);
        if (!record || record->type != kReminderType) continue;
        if (date < record->date - record->alertDays) continue;
        PendingEntry entry = EntryOf(*record, nowMs);
        if (entry.date == date) {
            if (entry.active)
                ++table.pendingCount;
            else
                ++table.todayDoneCount;
        } else {
            ++table.otherCount;
        }
        table.entries.push_back(std::move(entry));
    }
    return table;
}

std::string PendingText(int date, int pendingCount, int dateFormat) {
    std::string text = " " + DateText(date, dateFormat);
    if (pendingCount <= 0) return text + " (No pending events)";
    if (pendingCount == 1) return text + " (1 pending event)";
    return text + " (" + std::to_string(pendingCount) + " pending events)";
}

}  // namespace orvanto
