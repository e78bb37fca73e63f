// The rules of the print dialog as plain functions: which controls are
// enabled in which layout, the range label, and the corrections of the year
// and count boxes when the user leaves them.
#pragma once

#include <string>

#include "ui/printing/calendar_print_options.h"

namespace orvanto {

struct PrintBoxEnabling {
    bool monthList = true;
    bool options = true;           // "M&oon Phases", "&Holidays", "&Reminders"
    bool holidayPlacement = true;  // "&Inside", "B&elow", "&Both"
    bool eventPlacement = true;    // "Insi&de", "Belo&w", "Bo&th"
    bool operator==(const PrintBoxEnabling&) const = default;
};

// Month layout: everything; year layout: no month list and no placement;
// card layout: neither the month list nor the options. A placement group
// needs its option switched on as well.
PrintBoxEnabling EnablingFor(CalendarLayout layout, bool holidaysOn, bool eventsOn);

// "LastType": 0 month, 1 year, any other value card.
CalendarLayout LayoutFromLastType(int lastType);
int LastTypeOf(CalendarLayout layout);

// "Month" (month layout) or "Year", with "s" for a count of 2 or more.
std::string RangeLabel(CalendarLayout layout, int count);

// The number in the box, or nothing when the text is not a whole number.
bool ParseBoxNumber(const std::string& text, int& value);
// A year box left with a text that is not a year of 1753..2078 shows the
// main window's year.
int CorrectedYear(const std::string& text, int shownYear);
// A count box left with a text that is not a number of 1..12 shows 1.
int CorrectedCount(const std::string& text);

}  // namespace orvanto
