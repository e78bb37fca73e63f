#include "calendar/date_text.h"

#include <cstdio>

namespace orvanto {

namespace {

// The snprintf pattern of the first part, the second part and the year.
const char* PatternOf(DateDigits digits) {
    switch (digits) {
    case DateDigits::Full:
        return "%02d/%02d/%04d";
    case DateDigits::TwoDigitYear:
        return "%02d/%02d/%02d";
    case DateDigits::Picker:
        return "%d/%02d/%04d";
    case DateDigits::Plain:
        return "%d/%d/%d";
    }
    return "%02d/%02d/%04d";
}

int WrittenYear(int year, DateDigits digits) {
    return digits == DateDigits::TwoDigitYear ? ((year % 100) + 100) % 100 : year;
}

}  // namespace

bool MonthFirst(int dateFormat) { return dateFormat == 1; }

std::string DateText(int year, int month, int day, int dateFormat, DateDigits digits) {
    const int first = MonthFirst(dateFormat) ? month : day;
    const int second = MonthFirst(dateFormat) ? day : month;
    char text[48];
    std::snprintf(text, sizeof text, PatternOf(digits), first, second, WrittenYear(year, digits));
    return text;
}

std::string DatePickerPattern(int dateFormat) { return MonthFirst(dateFormat) ? "M/dd/yyyy" : "d/MM/yyyy"; }

}  // namespace orvanto
