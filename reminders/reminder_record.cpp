// Reading reminder lines, after the rules of the record format: the code up
// to the first ","; then optional alert days (one or two characters before the
// next ","), an optional four-character time field and an optional
// eight-character start-and-limit field; the rest is the text.
#include "reminders/reminder_record.h"

#include <cstdio>

namespace orvanto {

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

bool IsHexDigit(char c) { return IsDigit(c) || (c >= 'A' && c <= 'F') || (c >= 'a' && c <= 'f'); }

bool AllDigits(std::string_view text) {
    if (text.empty()) return false;
    for (char c : text) {
        if (!IsDigit(c)) return false;
    }
    return true;
}

bool AllHexDigits(std::string_view text) {
    for (char c : text) {
        if (!IsHexDigit(c)) return false;
    }
    return true;
}

int DigitValue(char c) { return c - '0'; }

int TwoDigits(std::string_view text) { return DigitValue(text[0]) * 10 + DigitValue(text[1]); }

int HexValue(std::string_view text) {
    int value = 0;
    for (char c : text) {
        int digit = 0;
        if (IsDigit(c))
            digit = c - '0';
        else if (c >= 'A' && c <= 'F')
            digit = c - 'A' + 10;
        else
            digit = c - 'a' + 10;
        value = value * 16 + digit;
    }
    return value;
}

std::string UpperHex(std::string_view text) {
    std::string result(text);
    for (char& c : result) {
        if (c >= 'a' && c <= 'f') c = static_cast<char>(c - 'a' + 'A');
    }
    return result;
}

// The month characters of the weekday kind: "0" every month, "1".."9", "A".."C".
constexpr std::string_view kMonthCharacters = "0123456789ABC";

// Fills type, repeat kind and its parameters from the five code characters;
// false when the code is none the program writes.
bool ReadCode(std::string_view code, ReminderRecord& record) {
    if (code.size() != 5) return false;
    if (code[0] < '1' || code[0] > '3') return false;
    record.code = std::string(code);
    record.type = DigitValue(code[0]);
    switch (code[1]) {
    case '0':
    case '1': {
        if (!IsDigit(code[2]) || !IsDigit(code[3]) || code[4] < '0' || code[4] > '3') return false;
        record.repeatKind = DigitValue(code[1]);
        record.countOrWhich = TwoDigits(code.substr(2, 2));
        record.unitOrWeekday = DigitValue(code[4]);
        record.monthIndex = 0;
        // Every 0 units would never move on.
        return record.repeatKind == kNoRepeat || record.countOrWhich >= 1;
    }
    case '2': {
        const auto month = kMonthCharacters.find(code[2]);
        if (month == std::string_view::npos) return false;
        if (code[3] < '0' || code[3] > '5' || code[4] < '0' || code[4] > '6') return false;
        record.repeatKind = kRepeatOnWeekday;
        record.monthIndex = static_cast<int>(month);
        record.countOrWhich = DigitValue(code[3]);
        record.unitOrWeekday = DigitValue(code[4]);
        return true;
    }
    default:
        return false;
    }
}

// The 1-based position of the next "," in what is left, 0 when there is none.
std::size_t NextCommaPosition(std::string_view rest) {
    const auto comma = rest.find(',');
    return comma == std::string_view::npos ? 0 : comma + 1;
}

bool ReadValue(std::string_view value, ReminderRecord& record) {
    const auto firstComma = value.find(',');
    if (!ReadCode(value.substr(0, firstComma), record)) return false;
    std::string_view rest =
        firstComma == std::string_view::npos ? std::string_view{} : value.substr(firstComma + 1);

    // An empty field (a "," right away) belongs to no form.
    if (NextCommaPosition(rest) == 1) return false;

    std::size_t position = NextCommaPosition(rest);
    if (position == 2 || position == 3) {
        const std::string_view alert = rest.substr(0, position - 1);
        if (!AllDigits(alert)) return false;
        record.alertDays = alert.size() == 1 ? DigitValue(alert[0]) : TwoDigits(alert);
        rest.remove_prefix(position);
    }

    bool timeRead = false;
    position = NextCommaPosition(rest);
    if (position == 5) {
        timeRead = true;
        const std::string_view time = rest.substr(0, 4);
        if (!AllDigits(time)) return false;
        record.timeField = std::string(time);
        record.hour = TwoDigits(time.substr(0, 2));
        record.minute = TwoDigits(time.substr(2, 2));
        rest.remove_prefix(5);
    } else if (position == 1) {
        return false;
    }
    record.afterTimeField = std::string(rest);

    position = NextCommaPosition(rest);
    if (position == 9) {
        const std::string_view groups = rest.substr(0, 8);
        if (!AllHexDigits(groups)) return false;
        record.startGroup = UpperHex(groups.substr(0, 4));
        record.limitGroup = UpperHex(groups.substr(4, 4));
        rest.remove_prefix(9);
    } else if (position == 1 && timeRead) {
        return false;
    }

    record.text = std::string(rest);
    return true;
}

}  // namespace

int ReminderRecord::StartDate() const {
    const int group = HexValue(startGroup);
    return group == 0 ? 0 : group + kStoredDateOffset;
}

int ReminderRecord::LimitValue() const { return HexValue(limitGroup); }

std::string_view KeyOf(std::string_view line) {
    const auto equals = line.find('=');
    return equals == std::string_view::npos ? line : line.substr(0, equals);
}

std::string_view ValueOf(std::string_view line) {
    const auto equals = line.find('=');
    return equals == std::string_view::npos ? std::string_view{} : line.substr(equals + 1);
}

std::optional<long long> KeyDatePart(std::string_view key) {
    std::size_t i = 0;
    bool negative = false;
    if (i < key.size() && (key[i] == '-' || key[i] == '+')) {
        negative = key[i] == '-';
        ++i;
    }
    const std::size_t firstDigit = i;
    long long value = 0;
    while (i < key.size() && IsDigit(key[i])) {
        if (value < 1'000'000'000'000LL) value = value * 10 + DigitValue(key[i]);
        ++i;
    }
    if (i == firstDigit) return std::nullopt;
    return negative ? -value : value;
}

std::optional<ReminderKey> ParseReminderKey(std::string_view key) {
    const auto slash = key.find('/');
    if (slash == std::string_view::npos || slash == 0 || slash > 7) return std::nullopt;
    if (key.size() != slash + 2) return std::nullopt;
    const std::string_view date = key.substr(0, slash);
    if (!AllDigits(date)) return std::nullopt;
    char sequence = key[slash + 1];
    if (sequence >= 'a' && sequence <= 'z') sequence = static_cast<char>(sequence - 'a' + 'A');
    if (SequenceIndex(sequence) < 0) return std::nullopt;
    int value = 0;
    for (char c : date) value = value * 10 + DigitValue(c);
    if (value <= 0) return std::nullopt;
    return ReminderKey{value, sequence};
}

std::optional<ReminderRecord> ParseReminder(std::string_view line) {
    const auto equals = line.find('=');
    if (equals == std::string_view::npos) return std::nullopt;
    const auto key = ParseReminderKey(line.substr(0, equals));
    if (!key) return std::nullopt;
    ReminderRecord record;
    record.date = key->date;
    record.sequence = key->sequence;
    if (!ReadValue(line.substr(equals + 1), record)) return std::nullopt;
    return record;
}

bool IsMarkedDeleted(std::string_view line) { return line.substr(0, kDeletedMark.size()) == kDeletedMark; }

int SequenceIndex(char sequence) {
    const auto index = kSequenceCharacters.find(sequence);
    return index == std::string_view::npos ? -1 : static_cast<int>(index);
}

int NumericCode(std::string_view code) {
    int value = 0;
    for (std::size_t i = 0; i < code.size() && i < 5; ++i) {
        char c = code[i];
        if (i == 2 && code.size() > 1 && code[1] == '2') c = '0';
        value = value * 10 + (IsDigit(c) ? DigitValue(c) : 0);
    }
    return value;
}

std::string HexGroup(int value) {
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "%04X", static_cast<unsigned>(value) & 0xFFFFu);
    return buffer;
}

std::string FormatReminderLine(const ReminderRecord& record) {
    return std::to_string(record.date) + "/" + record.sequence + "=" + record.code + "," +
           std::to_string(record.alertDays) + "," + record.timeField + "," + record.startGroup +
           record.limitGroup + "," + record.text;
}

}  // namespace orvanto
