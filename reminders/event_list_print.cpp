// The printed event list's lines.
#include "reminders/event_list_print.h"

#include "reminders/descriptions.h"
#include "reminders/utf8_text.h"

namespace orvanto {

namespace {

constexpr std::size_t kLegendWidth = 40;
constexpr std::size_t kTimeWidth = 6;
constexpr std::size_t kFrequencyWidth = 24;
constexpr std::size_t kDateWidth = 10;

const char* TypeWord(int type) {
    switch (type) {
    case kPrintReminders:
        return "Reminder";
    case kPrintHolidays:
        return "Holiday";
    case kPrintBookmarks:
        return "Bookmark";
    default:
        return "All event";
    }
}

// The time column: the table's time padded to 6, one more blank with the
// twelve-hour clock, then the separator.
std::string TimeColumn(const std::string& time, bool twelveHour) {
    return PadRight(time, kTimeWidth) + (twelveHour ? " " : "") + " ";
}

// The part of a text after its first n characters.
std::string AfterCharacters(const std::string& text, std::size_t n) {
    return text.substr(CutToCharacters(text, n).size());
}

std::string WithoutLeadingBlanks(const std::string& text) {
    const auto first = text.find_first_not_of(' ');
    return first == std::string::npos ? std::string() : text.substr(first);
}

}  // namespace

std::string EventListSubtitle(const EventPrintOptions& options, int dateFormat) {
    return std::string(TypeWord(options.type)) + " list from " + DateText(options.from, dateFormat) + " to " +
           DateText(options.to, dateFormat);
}

bool IsPrintedEvent(const ReminderRecord& record, const EventPrintOptions& options) {
    if (record.date < options.from || record.date > options.to) return false;
    if (options.type == kPrintAll) return true;
    return !record.code.empty() && record.code[0] == static_cast<char>('1' + options.type);
}

std::vector<std::string> EventPrintLines(const EventListEntry& entry, const EventPrintColumns& columns,
                                         bool twelveHour) {
    const EventCells& cells = entry.cells;
    std::string line;
    std::string lead;  // blanks under the columns before the message
    if (columns.date) {
        line += cells[kDateColumn] + "  ";
        lead += std::string(kDateWidth + 2, ' ');
    }
    if (columns.time) {
        const std::string time = TimeColumn(cells[kTimeColumn], twelveHour);
        line += time;
        lead += std::string(CharacterCount(time), ' ');
    }
    if (columns.legend)
        line += FitToWidth(CutToCharacters(entry.record.text, kLegendWidth), kLegendWidth) + "  ";
    if (columns.warning) line += std::to_string(entry.record.alertDays) + "  ";
    if (columns.frequency) line += FitToWidth(cells[kTypeColumn], kFrequencyWidth) + "  ";
    if (columns.startAndLimit) line += "St: " + cells[kStartColumn] + " Lim: " + cells[kLimitColumn];
    line += " ";

    std::vector<std::string> lines{line};
    if (!columns.legend) return lines;
    std::string rest = AfterCharacters(entry.record.text, kLegendWidth);
    // Bounded: every round uses up at least one character of the rest.
    while (!(rest = WithoutLeadingBlanks(rest)).empty()) {
        lines.push_back(lead + CutToCharacters(rest, kLegendWidth));
        rest = AfterCharacters(rest, kLegendWidth);
    }
    return lines;
}

EventPrintText EventListPrintText(const std::vector<EventListEntry>& entries,
                                  const EventPrintOptions& options, bool twelveHour) {
    EventPrintText text;
    for (const EventListEntry& entry : entries) {
        if (!IsPrintedEvent(entry.record, options)) continue;
        ++text.count;
        for (std::string& line : EventPrintLines(entry, options.columns, twelveHour)) {
            text.lines.push_back(std::move(line));
        }
    }
    return text;
}

std::string EventListTotalLine(int count) { return "Total: " + std::to_string(count) + " events"; }

}  // namespace orvanto
