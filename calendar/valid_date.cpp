// The calendar's validity test: a real date of the years 1753-2078.
#include "calendar/valid_date.h"

#include "calendar/month_length.h"

namespace orvanto {

bool IsValidDate(int day, int month, int year) {
    if (year < kFirstCalendarYear || year > kLastCalendarYear) return false;
    if (month < 1 || month > 12) return false;
    return day >= 1 && day <= DaysInMonth(month, year);
}

}  // namespace orvanto
