#include "reminders/descriptions.h"

#include <cstdio>

#include <gtest/gtest.h>

#include "calendar/day_number.h"

namespace orvanto {
namespace {

TEST(ShortDescriptionTest, EveryKind) {
    struct Case {
        const char* code;
        const char* text;
    };
    const Case cases[] = {
        {"10000", "Unique Reminder"},
        {"11012", "Reminder every 1 week"},
        {"11022", "Reminder every 2 weeks"},
        {"11010", "Reminder every 1 year"},
        {"11993", "Reminder every 99 days"},
        {"11031", "Reminder every 3 months"},
        {"12055", "Reminder on last Friday in every month"},
        {"12B45", "Reminder on 4th Friday in November"},
        {"12000", "Reminder on all Sunday in every month"},
        {"21010", "Reminder every 1 year"},
    };
    for (const Case& c : cases) {
        const auto record = ParseReminder(std::string("730563/0=") + c.code + ",0,9999,00000000,x");
        ASSERT_TRUE(record) << c.code;
        EXPECT_EQ(ShortDescription(*record), c.text) << c.code;
    }
}

TEST(LongDescriptionTest, YearlyReminderDayFirstWithCount) {
    const int date = DayNumber(2005, 10, 7);
    const std::string line = std::to_string(date) + "/0=11010,3,1430,4CDF0005,Anna";
    const std::string text = LongDescription(line, 2, false);
    EXPECT_EQ(text, "07/10/2005  14:30   3  Anna" + std::string(45 - 8, ' ') + "  Reminder every 1 year" +
                        std::string(26 - 21, ' ') + " Start: 15/03/1970  Limit: 05 times");
}

TEST(LongDescriptionTest, UntimedHolidayBookmarkAndLimitDate) {
    const int date = DayNumber(2005, 12, 25);
    const int limit = DayNumber(2010, 12, 31) - 700000;
    char limitGroup[8];
    std::snprintf(limitGroup, sizeof limitGroup, "%04X", limit);
    const std::string holiday =
        LongDescription(std::to_string(date) + "/0=21010,0,9999,0000" + limitGroup + ",Christmas", 1, false);
    EXPECT_EQ(holiday.substr(0, 20), "12/25/2005  --:--   ");
    EXPECT_NE(holiday.find("  Holiday  every 1 year"), std::string::npos);
    EXPECT_NE(holiday.find(" Start: --/--/----  Limit: 12/31/2010"), std::string::npos);

    const std::string bookmark =
        LongDescription(std::to_string(date) + "/0=30000,0,9999,00000000,Mark", 1, false);
    EXPECT_NE(bookmark.find("  Bookmark " + std::string(17, ' ') + " Start: "), std::string::npos);
    EXPECT_NE(bookmark.find("Limit: No limit"), std::string::npos);
}

TEST(LongDescriptionTest, TextIsCutToFortyFiveCharacters) {
    const std::string line = "730563/0=10000,12,0900,00000000," + std::string(60, 'x') + "   ";
    const std::string text = LongDescription(line, 1, false);
    // date 10, 2 blanks, time 6, 1 blank, then 45 characters of alert and text.
    EXPECT_EQ(text.substr(19, 45), "12  " + std::string(41, 'x'));
    EXPECT_EQ(text.substr(64, 11), "  Reminder ");
}

TEST(TimeTextTest, TwentyFourAndTwelveHours) {
    const TimeStyle twelve{true, "AM", "PM"};
    const TimeStyle twentyFour{};
    struct Case {
        int hour, minute;
        const char *entry24, *entry12, *log12, *missed12;
    };
    const Case cases[] = {
        {14, 30, "(14:30)", "(02:30 PM)", "02:30p", "02:30 PM"},
        {0, 5, "(00:05)", "(12:05 AM)", "12:05a", "12:05 AM"},
        {12, 0, "(12:00)", "(12:00 PM)", "12:00p", "12:00 PM"},
        {9, 15, "(09:15)", "(09:15 AM)", "09:15a", "09:15 AM"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(EntryTimeText(c.hour, c.minute, twentyFour), c.entry24);
        EXPECT_EQ(EntryTimeText(c.hour, c.minute, twelve), c.entry12);
        EXPECT_EQ(LogTimeText(c.hour, c.minute, true), c.log12);
        EXPECT_EQ(MissedTimeText(c.hour, c.minute, twelve), c.missed12);
    }
    EXPECT_EQ(MissedTimeText(14, 30, twentyFour), "14:30 hs.");
    EXPECT_EQ(ShortDateText(DayNumber(2005, 12, 25), 1), "12/25/05");
    EXPECT_EQ(ShortDateText(DayNumber(2005, 12, 25), 2), "25/12/05");
}

}  // namespace
}  // namespace orvanto
