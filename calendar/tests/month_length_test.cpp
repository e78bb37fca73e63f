#include <gtest/gtest.h>

#include "calendar/month_length.h"
#include "calendar/valid_date.h"

namespace orvanto {
namespace {

struct MonthLengthCase {
    int month;
    int year;
    int days;
};

TEST(DaysInMonthTest, FollowsTheGregorianLeapRule) {
    const MonthLengthCase cases[] = {
        {2, 1900, 28},  {2, 2000, 29},  {2, 2023, 28}, {2, 2024, 29}, {2, 1800, 28}, {2, 2100, 28},
        {1, 2023, 31},  {4, 2023, 30},  {6, 2023, 30}, {7, 2023, 31}, {8, 2023, 31}, {9, 2023, 30},
        {11, 2023, 30}, {12, 2023, 31}, {0, 2023, 0},  {13, 2023, 0}, {-1, 2023, 0},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(DaysInMonth(c.month, c.year), c.days) << c.month << "/" << c.year;
    }
}

struct ValidityCase {
    int day;
    int month;
    int year;
    bool valid;
};

TEST(IsValidDateTest, AcceptsRealDatesOfTheSupportedYearsOnly) {
    const ValidityCase cases[] = {
        {29, 2, 1900, false}, {29, 2, 2000, true},   {28, 2, 1900, true},  {1, 1, 1753, true},
        {31, 12, 2078, true}, {31, 12, 1752, false}, {1, 1, 2079, false},  {31, 4, 2023, false},
        {30, 4, 2023, true},  {0, 1, 2023, false},   {32, 1, 2023, false}, {1, 0, 2023, false},
        {1, 13, 2023, false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(IsValidDate(c.day, c.month, c.year), c.valid) << c.year << "-" << c.month << "-" << c.day;
    }
}

TEST(IsValidDateTest, RejectsEveryDateOf1752And2079) {
    for (int year : {1752, 2079}) {
        for (int month = 1; month <= 12; ++month) {
            for (int day = 1; day <= 31; ++day) {
                EXPECT_FALSE(IsValidDate(day, month, year)) << year << "-" << month << "-" << day;
            }
        }
    }
}

}  // namespace
}  // namespace orvanto
