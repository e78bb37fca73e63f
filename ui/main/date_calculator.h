// The texts of the date calculator and of the day information line.
#pragma once

#include <string>

#include "calendar/civil_date.h"

namespace orvanto {

// "03/01/2000" with dateFormat 1 (month first), "01/03/2000" otherwise.
std::string CalculatorDateText(const CivilDate& date, int dateFormat);

// The box shown by the first Ctrl+click ("Orvanto Math Mode").
std::string CalculatorStartText(const CivilDate& start, int dateFormat);
// The box shown by the second Ctrl+click ("Orvanto Date Calculator").
std::string CalculatorResultText(const CivilDate& start, const CivilDate& end, int dateFormat);

// "Week: 9  -  Day: 60/306  (+0)".
std::string DayInformationText(int week, const CivilDate& date, const CivilDate& today);

}  // namespace orvanto
