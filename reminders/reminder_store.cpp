#include "reminders/reminder_store.h"

#include <algorithm>
#include <array>
#include <optional>
#include <utility>
#include <vector>

#include "reminders/reminder_order.h"
#include "reminders/utf8_text.h"

namespace orvanto {

namespace {

constexpr std::string_view kUntimedTextPrefix = "--:--,";

void RefuseFullDay(ReminderServices& services) {
    services.sound.PlayEvent("SystemExclamation");
    services.prompt.ShowCancelMessage(MessageKind::Error, kMessageTitle, kTooManyRemindersMessage);
}

std::string SequenceKey(int date, int sequenceIndex) {
    return std::to_string(date) + "/" + kSequenceCharacters[static_cast<std::size_t>(sequenceIndex)];
}

// Keys of the settings file compare without regard to ASCII case.
bool SameKey(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        auto lower = [](char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; };
        if (lower(a[i]) != lower(b[i])) return false;
    }
    return true;
}

// The sequence character for a record added to the day: the one after the
// highest in use by the lines not marked deleted. A day is full only when all
// 36 characters are taken; when the highest is "Z" (an old line, perhaps one
// of no form, may hold it) the lowest free character is taken instead.
std::optional<int> NextSequenceIndex(int date, const ReminderLines& lines) {
    std::array<bool, kMaxRecordsPerDay> taken{};
    int highest = -1;
    for (const std::string& line : lines) {
        if (IsMarkedDeleted(line)) continue;
        const auto key = ParseReminderKey(KeyOf(line));
        if (!key || key->date != date) continue;
        const int index = SequenceIndex(key->sequence);
        taken[static_cast<std::size_t>(index)] = true;
        highest = std::max(highest, index);
    }
    if (highest + 1 < kMaxRecordsPerDay) return highest + 1;
    const auto free = std::find(taken.begin(), taken.end(), false);
    if (free == taken.end()) return std::nullopt;
    return static_cast<int>(free - taken.begin());
}

}  // namespace

ReminderLines ReadReminderLines(const IniFile& settings) {
    ReminderLines lines;
    const auto pairs = settings.ReadSectionPairs(std::string(kRemindersSection));
    lines.reserve(pairs.size());
    for (const auto& [key, value] : pairs) lines.push_back(key + "=" + value);
    return lines;
}

bool AppendReminder(int date, const std::string& code, int alertDays, const std::string& timeField,
                    const std::string& startLimit, const std::string& text, ReminderLines& lines,
                    ReminderServices& services) {
    const std::optional<int> next = NextSequenceIndex(date, lines);
    if (!next) {
        RefuseFullDay(services);
        return false;
    }
    std::string_view body = text;
    if (body.substr(0, kUntimedTextPrefix.size()) == kUntimedTextPrefix) {
        body.remove_prefix(kUntimedTextPrefix.size());
    }
    lines.push_back(SequenceKey(date, *next) + "=" + code + "," + std::to_string(alertDays) + "," +
                    timeField + "," + startLimit + "," + std::string(body));
    return true;
}

bool InsertReminder(IniFile& settings, int date, const std::string& value, ReminderServices& services) {
    const std::vector<std::string> keys = settings.ReadSection(std::string(kRemindersSection));
    for (int sequence = 0; sequence < kMaxRecordsPerDay; ++sequence) {
        const std::string key = SequenceKey(date, sequence);
        if (std::any_of(keys.begin(), keys.end(),
                        [&](const std::string& taken) { return SameKey(taken, key); })) {
            continue;
        }
        settings.WriteString(std::string(kRemindersSection), key, TrimBlanks(value));
        return true;
    }
    RefuseFullDay(services);
    return false;
}

void DeleteMark(ReminderLines& lines, std::size_t index) {
    if (index < lines.size()) lines[index].insert(0, kDeletedMark);
}

void WriteBackReminders(ReminderLines lines, IniFile& settings) {
    std::erase_if(lines, [](const std::string& line) { return IsMarkedDeleted(line); });
    RenumberReminders(lines);
    std::vector<std::pair<std::string, std::string>> pairs;
    pairs.reserve(lines.size());
    for (const std::string& line : lines) {
        pairs.emplace_back(std::string(KeyOf(line)), TrimBlanks(ValueOf(line)));
    }
    settings.ReplaceSection(std::string(kRemindersSection), pairs);
}

}  // namespace orvanto
