#include "reminders/reminder_order.h"

#include <algorithm>
#include <array>
#include <map>
#include <string>

namespace orvanto {

namespace {

// Punctuation and symbols 0, digits 1, letters 2, bytes of non-ASCII
// characters 3.
int CharacterClass(unsigned char c) {
    if (c >= '0' && c <= '9') return 1;
    if ((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z')) return 2;
    if (c >= 0x80) return 3;
    return 0;
}

unsigned char UpperAscii(unsigned char c) { return (c >= 'a' && c <= 'z') ? c - 'a' + 'A' : c; }

// Negative, zero or positive as a sorts before, with or after b.
int CompareReminderText(std::string_view a, std::string_view b) {
    const std::size_t common = std::min(a.size(), b.size());
    for (std::size_t i = 0; i < common; ++i) {
        const auto ca = static_cast<unsigned char>(a[i]);
        const auto cb = static_cast<unsigned char>(b[i]);
        if (ca == cb) continue;
        const int classA = CharacterClass(ca);
        const int classB = CharacterClass(cb);
        if (classA != classB) return classA - classB;
        const int upperA = UpperAscii(ca);
        const int upperB = UpperAscii(cb);
        if (upperA != upperB) return upperA - upperB;
    }
    if (a.size() != b.size()) return a.size() < b.size() ? -1 : 1;
    return 0;
}

// The sort text of a record line: the key's date followed by the time field,
// "$$$$" for an untimed record, so that untimed records come first in a day.
std::string RenumberSortText(const std::string& line, const ReminderRecord& record) {
    const std::string time = record.HasTimeField() ? record.timeField : std::string("$$$$");
    return std::to_string(record.date) + time + "=" + std::string(ValueOf(line));
}

struct SortItem {
    std::string sortText;
    std::size_t index;  // position in the list given
    std::optional<ReminderRecord> record;
};

}  // namespace

bool ReminderTextLess(std::string_view a, std::string_view b) {
    const int order = CompareReminderText(a, b);
    if (order != 0) return order < 0;
    return a < b;
}

void SortReminderLines(ReminderLines& lines) {
    const auto less = [](const std::string& a, const std::string& b) { return ReminderTextLess(a, b); };
    // A section the program wrote back is in order already.
    if (std::is_sorted(lines.begin(), lines.end(), less)) return;
    std::stable_sort(lines.begin(), lines.end(),
                     [](const std::string& a, const std::string& b) { return ReminderTextLess(a, b); });
}

void RenumberReminders(ReminderLines& lines) {
    std::vector<SortItem> items;
    items.reserve(lines.size());
    // Sequence characters held by lines that keep their keys, per date.
    std::map<int, std::array<bool, kMaxRecordsPerDay>> reserved;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const std::string& line = lines[i];
        std::optional<ReminderRecord> record;
        if (!IsMarkedDeleted(line)) record = ParseReminder(line);
        if (record) {
            items.push_back({RenumberSortText(line, *record), i, std::move(record)});
            continue;
        }
        if (!IsMarkedDeleted(line)) {
            if (const auto key = ParseReminderKey(KeyOf(line))) {
                auto& taken = reserved[key->date];
                taken[static_cast<std::size_t>(SequenceIndex(key->sequence))] = true;
            }
        }
        items.push_back({line, i, std::nullopt});
    }

    std::stable_sort(items.begin(), items.end(), [](const SortItem& a, const SortItem& b) {
        return ReminderTextLess(a.sortText, b.sortText);
    });

    ReminderLines result;
    result.reserve(lines.size());
    int currentDate = 0;
    int nextSequence = 0;
    for (SortItem& item : items) {
        if (!item.record) {
            result.push_back(std::move(lines[item.index]));
            continue;
        }
        const int date = item.record->date;
        if (date != currentDate) {
            currentDate = date;
            nextSequence = 0;
        }
        const auto taken = reserved.find(date);
        while (nextSequence < kMaxRecordsPerDay && taken != reserved.end() &&
               taken->second[static_cast<std::size_t>(nextSequence)]) {
            ++nextSequence;
        }
        std::string& line = lines[item.index];
        if (nextSequence >= kMaxRecordsPerDay) {
            // No character left for this day: the line keeps the key it had.
            result.push_back(std::move(line));
            continue;
        }
        result.push_back(std::to_string(date) + "/" +
                         kSequenceCharacters[static_cast<std::size_t>(nextSequence)] + "=" +
                         std::string(ValueOf(line)));
        ++nextSequence;
    }
    lines = std::move(result);
}

}  // namespace orvanto
