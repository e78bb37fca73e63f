// ElapsedText: whole years, months and days from the earlier of two day counts
// to the later one, borrowing the length of the month before the later date.
#include "calendar/elapsed_text.h"

#include <algorithm>

#include "calendar/day_number.h"
#include "calendar/month_length.h"

namespace orvanto {

namespace {

int LengthOfMonthBefore(int month, int year) {
    return month == 1 ? DaysInMonth(12, year - 1) : DaysInMonth(month - 1, year);
}

std::string Parenthesised(const std::string& inner) { return "(" + inner + ")"; }

}  // namespace

std::string ElapsedText(int dayNumberA, int dayNumberB) {
    const CivilDate from = DateFromDayNumber(std::min(dayNumberA, dayNumberB));
    const CivilDate to = DateFromDayNumber(std::max(dayNumberA, dayNumberB));

    int years = to.year - from.year;
    if (from.day == to.day && from.month == to.month) {
        return Parenthesised(std::to_string(years) + " years");
    }

    int months = to.month - from.month;
    if (months < 0) {
        months += 12;
        years -= 1;
    }
    const std::string yearsPart = years > 0 ? std::to_string(years) + " years, " : "";
    if (from.day == to.day) {
        return Parenthesised(yearsPart + std::to_string(months) + " months");
    }

    int days = to.day - from.day;
    if (days < 0) {
        // Borrow the length of the month before the later date: 31 January
        // 1970 to 5 March 2005 is 5 - 31 + 28 = 2 days. Only where that would
        // still be negative (a start day the borrowed month does not have,
        // close to the end date: 31 January to 1 March) does the start day
        // count from that month's last day, so 31 January to 1 March is
        // 1 month, 1 day.
        const int borrowed = LengthOfMonthBefore(to.month, to.year);
        days = to.day - from.day + borrowed;
        if (days < 0) days = to.day - std::min(from.day, borrowed) + borrowed;
        months -= 1;
        if (months < 0) {
            months += 12;
            years -= 1;
        }
    }
    std::string text = years > 0 ? std::to_string(years) + " years, " : "";
    if (months > 0) text += std::to_string(months) + " months, ";
    return Parenthesised(text + std::to_string(days) + " days");
}

}  // namespace orvanto
