// Date calculator texts over the day counts of the calendar engine.
#include "ui/main/date_calculator.h"

#include <cstdlib>

#include "calendar/date_text.h"
#include "calendar/day_counts.h"
#include "calendar/day_number.h"
#include "calendar/elapsed_text.h"

namespace orvanto {

namespace {

std::string Trim(const std::string& text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string::npos) return std::string();
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

}  // namespace

std::string CalculatorDateText(const CivilDate& date, int dateFormat) {
    return DateText(date.year, date.month, date.day, dateFormat);
}

std::string CalculatorStartText(const CivilDate& start, int dateFormat) {
    return "Starting Date: " + CalculatorDateText(start, dateFormat) + "\n\n" +
           "Point the calendar to the proper month and year and" + "\n" +
           "ctrl-click on the desired day to display date difference.";
}

std::string CalculatorResultText(const CivilDate& start, const CivilDate& end, int dateFormat) {
    const int a = DayNumber(start);
    const int b = DayNumber(end);
    return "Starting Date: " + CalculatorDateText(start, dateFormat) + "  -  " +
           "Ending Date: " + CalculatorDateText(end, dateFormat) + "\r\n\r\n" +
           "Difference: " + std::to_string(std::abs(a - b)) + " days " + Trim(ElapsedText(a, b));
}

std::string DayInformationText(int week, const CivilDate& date, const CivilDate& today) {
    return "Week: " + std::to_string(week) + "  -  Day: " + std::to_string(DayOfYear(date)) + "/" +
           std::to_string(DaysLeftInYear(date)) + "  (" + SignedDaysText(DaysFromToday(date, today)) + ")";
}

}  // namespace orvanto
