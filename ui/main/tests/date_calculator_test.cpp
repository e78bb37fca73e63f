// Texts of the date calculator and the day information line.
#include "ui/main/date_calculator.h"

#include <gtest/gtest.h>

namespace orvanto {
namespace {

TEST(DateCalculator, DatesFollowTheDateFormat) {
    EXPECT_EQ(CalculatorDateText({2000, 3, 1}, 1), "03/01/2000");
    EXPECT_EQ(CalculatorDateText({2000, 3, 1}, 2), "01/03/2000");
    EXPECT_EQ(CalculatorDateText({1753, 12, 9}, 7), "09/12/1753");
}

TEST(DateCalculator, StartText) {
    EXPECT_EQ(CalculatorStartText({2000, 3, 1}, 1),
              "Starting Date: 03/01/2000\n\nPoint the calendar to the proper month and year and\n"
              "ctrl-click on the desired day to display date difference.");
}

TEST(DateCalculator, ResultTexts) {
    EXPECT_EQ(CalculatorResultText({2000, 3, 1}, {2003, 5, 10}, 1),
              "Starting Date: 03/01/2000  -  Ending Date: 05/10/2003\r\n\r\n"
              "Difference: 1165 days (3 years, 2 months, 9 days)");
    EXPECT_EQ(CalculatorResultText({2003, 5, 10}, {2000, 3, 1}, 2),
              "Starting Date: 10/05/2003  -  Ending Date: 01/03/2000\r\n\r\n"
              "Difference: 1165 days (3 years, 2 months, 9 days)");
    EXPECT_EQ(CalculatorResultText({2010, 7, 4}, {2010, 7, 4}, 1),
              "Starting Date: 07/04/2010  -  Ending Date: 07/04/2010\r\n\r\nDifference: 0 days (0 years)");
}

TEST(DateCalculator, DayInformationCountsFromToday) {
    EXPECT_EQ(DayInformationText(9, {2015, 3, 1}, {2015, 3, 1}), "Week: 9  -  Day: 60/305  (+0)");
    EXPECT_EQ(DayInformationText(9, {2015, 2, 26}, {2015, 3, 1}), "Week: 9  -  Day: 57/308  (-3)");
    EXPECT_EQ(DayInformationText(1, {2015, 1, 1}, {2014, 12, 31}), "Week: 1  -  Day: 1/364  (+1)");
}

}  // namespace
}  // namespace orvanto
