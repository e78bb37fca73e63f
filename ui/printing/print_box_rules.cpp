// The print dialog's rules.
#include "ui/printing/print_box_rules.h"

#include <charconv>

#include "calendar/valid_date.h"
#include "reminders/utf8_text.h"
#include "ui/printing/calendar_print_jobs.h"

namespace orvanto {

PrintBoxEnabling EnablingFor(CalendarLayout layout, bool holidaysOn, bool eventsOn) {
    PrintBoxEnabling enabling;
    enabling.monthList = layout == CalendarLayout::Month;
    enabling.options = layout != CalendarLayout::Card;
    const bool placement = layout == CalendarLayout::Month;
    enabling.holidayPlacement = placement && holidaysOn;
    enabling.eventPlacement = placement && eventsOn;
    return enabling;
}

CalendarLayout LayoutFromLastType(int lastType) {
    if (lastType == 0) return CalendarLayout::Month;
    if (lastType == 1) return CalendarLayout::Year;
    return CalendarLayout::Card;
}

int LastTypeOf(CalendarLayout layout) { return static_cast<int>(layout); }

std::string RangeLabel(CalendarLayout layout, int count) {
    std::string label = layout == CalendarLayout::Month ? "Month" : "Year";
    if (count >= 2) label += "s";
    return label;
}

bool ParseBoxNumber(const std::string& text, int& value) {
    const std::string trimmed = TrimBlanks(text);
    const char* end = trimmed.data() + trimmed.size();
    const auto [stop, error] = std::from_chars(trimmed.data(), end, value);
    return !trimmed.empty() && error == std::errc() && stop == end;
}

int CorrectedYear(const std::string& text, int shownYear) {
    int year = 0;
    if (!ParseBoxNumber(text, year) || year < kFirstCalendarYear || year > kLastCalendarYear)
        return shownYear;
    return year;
}

int CorrectedCount(const std::string& text) {
    int count = 0;
    if (!ParseBoxNumber(text, count) || count < 1 || count > kMaxPrintCount) return 1;
    return count;
}

}  // namespace orvanto
