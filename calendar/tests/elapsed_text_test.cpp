#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <string>

#include "calendar/day_number.h"
#include "calendar/elapsed_text.h"
#include "calendar/month_length.h"

namespace orvanto {
namespace {

struct ElapsedCase {
    CivilDate from;
    CivilDate to;
    const char* text;
};

TEST(ElapsedTextTest, YearsMonthsAndDays) {
    const ElapsedCase cases[] = {
        {{2000, 3, 15}, {2003, 5, 10}, "(3 years, 1 months, 25 days)"},
        {{2000, 3, 15}, {2000, 3, 15}, "(0 years)"},
        {{2000, 1, 1}, {2001, 1, 1}, "(1 years)"},
        {{1960, 7, 4}, {2024, 7, 4}, "(64 years)"},
        {{2000, 1, 15}, {2000, 3, 15}, "(2 months)"},
        {{1999, 11, 15}, {2001, 2, 15}, "(1 years, 3 months)"},
        {{2000, 1, 10}, {2000, 1, 15}, "(5 days)"},
        {{2000, 12, 20}, {2001, 1, 5}, "(16 days)"},
        {{2000, 3, 15}, {2001, 3, 10}, "(11 months, 23 days)"},
        {{2000, 3, 15}, {2002, 4, 20}, "(2 years, 1 months, 5 days)"},
        {{2000, 2, 10}, {2000, 3, 5}, "(24 days)"},  // February of a leap year
        // The borrowed month's length is added as it is ...
        {{1970, 1, 31}, {2005, 3, 5}, "(35 years, 1 months, 2 days)"},
        {{2001, 3, 31}, {2001, 5, 1}, "(1 months, 0 days)"},
        // ... and only where the days would still be negative does a start
        // day the borrowed month does not have count from its last day.
        {{2001, 1, 31}, {2001, 3, 1}, "(1 months, 1 days)"},
        {{2000, 1, 31}, {2000, 3, 1}, "(1 months, 1 days)"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ElapsedText(DayNumber(c.from), DayNumber(c.to)), c.text)
            << c.from.year << "-" << c.from.month << "-" << c.from.day;
    }
}

TEST(ElapsedTextTest, OrderOfTheTwoDatesDoesNotMatter) {
    const int a = DayNumber(2000, 3, 15);
    const int b = DayNumber(2003, 5, 10);
    EXPECT_EQ(ElapsedText(b, a), ElapsedText(a, b));
}

TEST(ElapsedTextTest, NeverShowsNegativeParts) {
    for (int from = DayNumber(2000, 1, 1); from < DayNumber(2001, 1, 1); ++from) {
        for (int length : {1, 27, 28, 29, 30, 31, 59, 60, 61, 365, 400}) {
            const std::string text = ElapsedText(from, from + length);
            ASSERT_EQ(text.find('-'), std::string::npos) << from << " + " << length << ": " << text;
        }
    }
}

// The arithmetic of the borrow without any mend: the text wherever its days
// are not negative.
std::optional<std::string> PlainBorrowText(int p, int q) {
    const CivilDate from = DateFromDayNumber(std::min(p, q));
    const CivilDate to = DateFromDayNumber(std::max(p, q));
    if (from.day == to.day) return std::nullopt;  // no borrow: not this rule
    int years = to.year - from.year;
    int months = to.month - from.month;
    if (months < 0) months += 12, years -= 1;
    int days = to.day - from.day;
    if (days < 0) {
        days += to.month == 1 ? DaysInMonth(12, to.year - 1) : DaysInMonth(to.month - 1, to.year);
        if (days < 0) return std::nullopt;
        months -= 1;
        if (months < 0) months += 12, years -= 1;
    }
    std::string text = years > 0 ? std::to_string(years) + " years, " : "";
    if (months > 0) text += std::to_string(months) + " months, ";
    return "(" + text + std::to_string(days) + " days)";
}

TEST(ElapsedTextTest, ChangesNothingWhereThePlainBorrowIsNotNegative) {
    int compared = 0;
    for (int from = DayNumber(1970, 1, 1); from < DayNumber(1972, 1, 1); from += 3) {
        for (int length = 1; length < 800; length += 7) {
            const std::optional<std::string> plain = PlainBorrowText(from, from + length);
            if (!plain) continue;
            ++compared;
            ASSERT_EQ(ElapsedText(from, from + length), *plain) << from << " + " << length;
        }
    }
    EXPECT_GT(compared, 20000);
}

}  // namespace
}  // namespace orvanto
