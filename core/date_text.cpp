#include "core/date_text.h"

#include <cstdio>

namespace orvanto {

bool MonthFirst(int dateFormat) { return dateFormat == 1; }

std::string DateText(int year, int month, int day, int dateFormat) {
    const int first = MonthFirst(dateFormat) ? month : day;
    const int second = MonthFirst(dateFormat) ? day : month;
    char text[32];
    std::snprintf(text, sizeof text, "%02d/%02d/%04d", first, second, year);
    return text;
}

}  // namespace orvanto
