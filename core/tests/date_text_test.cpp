#include "core/date_text.h"

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

}  // namespace
}  // namespace orvanto
