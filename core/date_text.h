// The date text the program writes for "DateFormat": 1 month/day/year
// ("mm/dd/yyyy"), 2 day/month/year ("dd/mm/yyyy"). Years always have four
// digits, so no date the program writes is ambiguous about its century.
#pragma once

#include <string>

namespace orvanto {

// Two-digit month and day, four-digit year, "/" between. Any "DateFormat"
// other than 1 writes the day first (2 is the read default).
std::string DateText(int year, int month, int day, int dateFormat);

// True when "DateFormat" puts the month first.
bool MonthFirst(int dateFormat);

}  // namespace orvanto
