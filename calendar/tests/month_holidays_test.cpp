#include <gtest/gtest.h>

#include "calendar/month_holidays.h"

namespace orvanto {
namespace {

constexpr HolidaySwitches kAllOn{true, true, true, true};
constexpr HolidaySwitches kAllOff{false, false, false, false};

using List = std::vector<Holiday>;

TEST(MonthHolidaysTest, ListsEasterFeastsBeforeEasterItself) {
    EXPECT_EQ(MonthHolidays(2008, 2, kAllOn), (List{{6, "Ash Wednesday"}}));
    EXPECT_EQ(MonthHolidays(2008, 3, kAllOn), (List{{16, "Palm Sunday"},
                                                    {20, "Maundy Thursday"},
                                                    {21, "Good Friday"},
                                                    {22, "Holy Saturday"},
                                                    {24, "Easter Monday"},
                                                    {23, "Easter"}}));
}

TEST(MonthHolidaysTest, EasterMondayOf2024IsListedForAprilOnly) {
    EXPECT_EQ(MonthHolidays(2024, 3, kAllOn), (List{{24, "Palm Sunday"},
                                                    {28, "Maundy Thursday"},
                                                    {29, "Good Friday"},
                                                    {30, "Holy Saturday"},
                                                    {31, "Easter"}}));
    EXPECT_EQ(MonthHolidays(2024, 4, kAllOn), (List{{1, "Easter Monday"}, {23, "Pesach"}}));
}

TEST(MonthHolidaysTest, TwoHolidaysOnOneDayGiveTwoEntries) {
    // Pesach 2000 falls on Maundy Thursday.
    EXPECT_EQ(MonthHolidays(2000, 4, kAllOn), (List{{16, "Palm Sunday"},
                                                    {20, "Maundy Thursday"},
                                                    {21, "Good Friday"},
                                                    {22, "Holy Saturday"},
                                                    {24, "Easter Monday"},
                                                    {23, "Easter"},
                                                    {20, "Pesach"}}));
}

TEST(MonthHolidaysTest, ChristmasAndThanksgiving) {
    EXPECT_EQ(MonthHolidays(2024, 12, kAllOn), (List{{25, "Christmas"}}));
    EXPECT_EQ(MonthHolidays(2024, 11, kAllOn), (List{{28, "Thanks Giving Day"}}));
    EXPECT_TRUE(MonthHolidays(2024, 7, kAllOn).empty());
}

TEST(MonthHolidaysTest, EachSwitchControlsItsOwnHolidays) {
    struct Case {
        HolidaySwitches switches;
        int month;
        List expected;
    };
    const Case cases[] = {
        {{true, false, false, false}, 4, {{1, "Easter Monday"}}},
        {{false, true, false, false}, 3, {{31, "Easter"}}},
        {{false, true, false, false}, 12, {{25, "Christmas"}}},
        {{true, false, false, false}, 12, {}},
        {{false, false, true, false}, 4, {{23, "Pesach"}}},
        {{false, false, false, true}, 11, {{28, "Thanks Giving Day"}}},
        {{true, true, true, false}, 11, {}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(MonthHolidays(2024, c.month, c.switches), c.expected) << "month " << c.month;
    }
}

TEST(MonthHolidaysTest, DefaultSwitchesLeavePesachOut) {
    const HolidaySwitches defaults;
    EXPECT_EQ(MonthHolidays(2024, 4, defaults), (List{{1, "Easter Monday"}}));
}

TEST(MonthHolidaysTest, AllSwitchesOffGiveNothing) {
    for (int year : {1753, 1800, 1900, 2000, 2024, 2078}) {
        for (int month = 1; month <= 12; ++month) {
            EXPECT_TRUE(MonthHolidays(year, month, kAllOff).empty()) << year << "-" << month;
        }
    }
}

TEST(MonthHolidaysTest, AshWednesdayOf1900IsARealDate) {
    EXPECT_EQ(MonthHolidays(1900, 2, kAllOn), (List{{28, "Ash Wednesday"}}));
    EXPECT_EQ(MonthHolidays(1800, 2, kAllOn), (List{{26, "Ash Wednesday"}}));
}

TEST(MonthHolidaysTest, EveryYearHasTenHolidaysWithAllSwitchesOn) {
    for (int year = 1753; year <= 2078; ++year) {
        size_t count = 0;
        for (int month = 1; month <= 12; ++month) count += MonthHolidays(year, month, kAllOn).size();
        ASSERT_EQ(count, 10u) << year;
    }
}

}  // namespace
}  // namespace orvanto
