// The date texts the program writes for "DateFormat": 1 month/day/year,
// anything else (2 is the read default) day/month/year, "/" between the
// parts. Every window, report and command that writes a date in that order
// goes through this file.
#pragma once

#include <string>

namespace orvanto {

// True when "DateFormat" puts the month first.
bool MonthFirst(int dateFormat);

// How many digits the parts of a date are written with, and which texts use
// which:
enum class DateDigits {
    // "03/07/2026": two-digit month and day, four-digit year. The history log,
    // the event list and its printout, the pending-events line, the
    // astronomical report and the date calculator.
    Full,
    // "03/07/26": two-digit month, day and year. The missed-reminder memos.
    TwoDigitYear,
    // "3/07/2026": the first part without a leading zero, the second with two
    // digits, the year with four, as the date pickers show dates. The
    // biorhythm favourites.
    Picker,
    // "3/7/2026": no leading zeros. The about box's version line.
    Plain,
};

std::string DateText(int year, int month, int day, int dateFormat, DateDigits digits = DateDigits::Full);

// The date pickers' display pattern in the letters of Qt's date editors:
// "M/dd/yyyy" (month first) or "d/MM/yyyy", the Picker digits.
std::string DatePickerPattern(int dateFormat);

}  // namespace orvanto
