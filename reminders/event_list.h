// The event list: every record of section "Reminders" as a table of eight
// columns, its sort orders and search, the record a user edits in its panel
// (checked and turned back into a line), and the section written again on
// save with each day's records numbered afresh.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/ini_file.h"
#include "reminders/reminder_entry.h"
#include "reminders/reminder_record.h"

namespace orvanto {

enum EventColumn {
    kNumberColumn = 0,
    kDateColumn,
    kTimeColumn,
    kWarningColumn,
    kMessageColumn,
    kTypeColumn,
    kStartColumn,
    kLimitColumn,
};
inline constexpr int kEventColumnCount = 8;

using EventCells = std::array<std::string, kEventColumnCount>;

// "N°", "Date", "Time", "Warning", "Message", "Type", "Start Date", "Limit".
const EventCells& EventColumnHeaders();

// How dates and times are written in the table.
struct EventTextStyle {
    int dateFormat = 2;       // 1 month first, otherwise day first
    bool twelveHour = false;  // hours 1..12 with "a" / "p"
};

// One record of the working list: its line, the parsed record, its position
// when the list was opened (1-based; it stays with the record when rows move)
// and the texts its row shows.
struct EventListEntry {
    std::string line;
    ReminderRecord record;
    int number = 0;
    EventCells cells;
};

// The working list and the lines of the section it does not show (lines of
// no record form, dates not above 0): those are written back untouched.
struct EventList {
    std::vector<EventListEntry> entries;
    ReminderLines keptLines;
};

// The cell texts of a record at a position:
// "001 ", the date, "14:30" / "02:30p" / "--:--", " 3", the text, the
// frequency ("Reminder every 2 weeks"), the start date or "--/--/----", and
// "No limit", "05 times" or the limit date.
EventCells EventCellTexts(const ReminderRecord& record, int number, const EventTextStyle& style);

// The section's lines sorted as every reader sorts them, numbered 1, 2, ...
// in that order.
EventList LoadEventList(const ReminderLines& sectionLines, const EventTextStyle& style);

// The row of the first record dated on or after today; the last row when all
// are earlier; none for an empty list.
std::optional<std::size_t> OpeningRow(const std::vector<EventListEntry>& entries, int today);

// Reorders the entries by the column's cell text (byte order), ascending or
// descending; equal texts keep their order.
void SortEventsByColumn(std::vector<EventListEntry>& entries, int column, bool ascending);

// Reorders the entries by their lines as the section is sorted (key order).
void SortEventsByKey(std::vector<EventListEntry>& entries);

// The first row at or after `from` whose cells (date to limit) contain the
// text; ASCII letters compare without regard to case unless matchCase.
std::optional<std::size_t> FindEventRow(const std::vector<EventListEntry>& entries, std::string_view text,
                                        bool matchCase, std::size_t from);

// The edit panel's choices for a record: the date, type and repeat choice,
// the warning (empty for holidays and bookmarks), the time as the panel
// shows it, the start date (the record's date a year earlier when it has
// none), the limit (31 December of the current year and the count 1 for the
// choice it does not use), and the text.
ReminderEntry PanelEntryOf(const ReminderRecord& record, int currentYear, bool twelveHour);

// What committing the panel gives: the record's new line, or the field to
// mend with its message (an empty message beeps only).
struct EventCommit {
    std::string line;
    EntryField faultField = EntryField::None;
    std::string message;
    bool tooManyForDay = false;  // the new date already holds 36 other records
    bool Ok() const { return faultField == EntryField::None && !tooManyForDay; }
};

// Checks the panel's choices as the event list does on commit and builds the
// line: key date "/" the record's sequence character (renumbered on save),
// value code "," alert (empty gives 0) "," time "," start and limit "," text.
// The time is kept for any type while "Ti&med Event" is ticked; the hour may
// be at most 12 with the twelve-hour clock. The record at `index` of the list
// may not move to a date that already holds 36 other records.
EventCommit CommitEventPanel(const ReminderEntry& panel, const std::vector<EventListEntry>& entries,
                             std::size_t index);

// Puts a new line into the entry at index (cells refreshed) and sorts the
// list by key again; gives the row the entry moved to.
std::size_t ReplaceEventLine(std::vector<EventListEntry>& entries, std::size_t index, const std::string& line,
                             const EventTextStyle& style);

// The lines to write for the list: the entries and the kept lines.
ReminderLines EventListLines(const EventList& list);

// Erases section "Reminders" and writes the working list and the kept lines
// in key order, each day's records numbered "0", "1", ... again, values
// trimmed. Raises EIniFileError when the file cannot be written.
void SaveEventList(const EventList& list, IniFile& settings);

}  // namespace orvanto
