// The printed event list as lines of text in a fixed-pitch font: a subtitle
// naming the type and the range, one line per record with the chosen columns
// (long messages go on in 40-character continuation lines), and the total.
#pragma once

#include <string>
#include <vector>

#include "reminders/event_list.h"

namespace orvanto {

inline constexpr const char* kEventListPrintTitle = "Orvanto Event List";

// Which records are printed: the type choice 0 reminders, 1 holidays,
// 2 bookmarks, 3 all.
enum EventPrintType { kPrintReminders = 0, kPrintHolidays = 1, kPrintBookmarks = 2, kPrintAll = 3 };

struct EventPrintColumns {
    bool date = true;
    bool time = true;
    bool legend = true;  // the message
    bool warning = true;
    bool frequency = true;
    bool startAndLimit = true;
};

struct EventPrintOptions {
    int from = 0;  // DayNumber, included
    int to = 0;    // DayNumber, included
    int type = kPrintAll;
    EventPrintColumns columns;
};

// "Reminder list from 03/01/2005 to 03/31/2005" ("All event list ..." for all).
std::string EventListSubtitle(const EventPrintOptions& options, int dateFormat);

// True when the record lies in the range and is of the chosen type.
bool IsPrintedEvent(const ReminderRecord& record, const EventPrintOptions& options);

// The printed lines of one record: its line and its continuation lines.
std::vector<std::string> EventPrintLines(const EventListEntry& entry, const EventPrintColumns& columns,
                                         bool twelveHour);

// The record lines of the list in its current order and the number of
// records printed.
struct EventPrintText {
    std::vector<std::string> lines;
    int count = 0;
};
EventPrintText EventListPrintText(const std::vector<EventListEntry>& entries,
                                  const EventPrintOptions& options, bool twelveHour);

// "Total: N events".
std::string EventListTotalLine(int count);

}  // namespace orvanto
