#include "calendar/date_text.h"

#include <gtest/gtest.h>

namespace orvanto {
namespace {

TEST(DateTextTest, FollowsDateFormatWithFourDigitYears) {
    EXPECT_EQ(DateText(2026, 3, 7, 1), "03/07/2026");
    EXPECT_EQ(DateText(2026, 3, 7, 2), "07/03/2026");
    EXPECT_EQ(DateText(1753, 12, 31, 1), "12/31/1753");
    EXPECT_EQ(DateText(5, 1, 2, 2), "02/01/0005");
    EXPECT_EQ(DateText(2026, 3, 7, 0), "07/03/2026");  // anything but 1 is day first
    EXPECT_TRUE(MonthFirst(1));
    EXPECT_FALSE(MonthFirst(2));
}

TEST(DateTextTest, TwoDigitYears) {
    EXPECT_EQ(DateText(2005, 12, 25, 1, DateDigits::TwoDigitYear), "12/25/05");
    EXPECT_EQ(DateText(2005, 12, 25, 2, DateDigits::TwoDigitYear), "25/12/05");
    EXPECT_EQ(DateText(1900, 1, 2, 1, DateDigits::TwoDigitYear), "01/02/00");
}

TEST(DateTextTest, PickerDigitsMatchThePickerPattern) {
    EXPECT_EQ(DateText(1980, 5, 7, 1, DateDigits::Picker), "5/07/1980");
    EXPECT_EQ(DateText(1980, 5, 7, 2, DateDigits::Picker), "7/05/1980");
    EXPECT_EQ(DateText(2001, 12, 25, 1, DateDigits::Picker), "12/25/2001");
    EXPECT_EQ(DatePickerPattern(1), "M/dd/yyyy");
    EXPECT_EQ(DatePickerPattern(2), "d/MM/yyyy");
    EXPECT_EQ(DatePickerPattern(0), "d/MM/yyyy");
}

TEST(DateTextTest, PlainDigitsHaveNoLeadingZeros) {
    EXPECT_EQ(DateText(2001, 7, 4, 1, DateDigits::Plain), "7/4/2001");
    EXPECT_EQ(DateText(2001, 7, 4, 2, DateDigits::Plain), "4/7/2001");
}

}  // namespace
}  // namespace orvanto
