// The add-event dialog's composition of codes and values and its OK checks.
#include <gtest/gtest.h>

#include "calendar/day_number.h"
#include "reminders/reminder_entry.h"

namespace orvanto {
namespace {

ReminderEntry On(int day, int month, int year) {
    ReminderEntry entry;
    entry.day = day;
    entry.month = month;
    entry.year = year;
    entry.warningText = "0";
    entry.text = "Text";
    return entry;
}

TEST(ReminderEntry, HolidayEveryYear) {
    ReminderEntry e = On(25, 12, 2005);
    e.typeIndex = 1;
    e.repeatKind = 1;
    e.everyText = "1";
    e.unitIndex = 0;
    e.warningText = " 3 ";
    e.text = "Christmas";
    const EntryResult r = ComposeReminderEntry(e);
    ASSERT_TRUE(r.Ok());
    EXPECT_EQ(r.value, "21010,3,9999,00000000,Christmas");
}

TEST(ReminderEntry, CodesOfEachChoice) {
    ReminderEntry e = On(1, 1, 2010);
    EXPECT_EQ(ReminderCode(e), "10000");
    e.repeatKind = 2;
    e.whichIndex = 5;
    e.weekdayIndex = 5;
    e.monthIndex = 0;
    EXPECT_EQ(ReminderCode(e), "12055") << "last Friday of every month";
    e.monthIndex = 12;
    e.whichIndex = 4;
    e.weekdayIndex = 4;
    EXPECT_EQ(ReminderCode(e), "12C44");
    e.repeatKind = 1;
    e.everyText = "12";
    e.unitIndex = 3;
    EXPECT_EQ(ReminderCode(e), "11123");
    e.typeIndex = 2;
    EXPECT_EQ(ReminderCode(e), "30000") << "bookmarks never repeat";
}

TEST(ReminderEntry, TwelveHourTimes) {
    struct Case { int hour; int minute; bool pm; const char* field; };
    for (const Case& c : {Case{12, 15, false, "0015"}, Case{12, 15, true, "1215"}, Case{3, 0, true, "1500"},
                          Case{11, 59, false, "1159"}}) {
        ReminderEntry e = On(1, 1, 2010);
        e.timed = true;
        e.twelveHour = true;
        e.hour = c.hour;
        e.minute = c.minute;
        e.pm = c.pm;
        EXPECT_EQ(ReminderTimeField(e), c.field);
    }
    ReminderEntry holiday = On(1, 1, 2010);
    holiday.typeIndex = 1;
    holiday.timed = true;
    EXPECT_EQ(ReminderTimeField(holiday), "9999");
}

TEST(ReminderEntry, FaultsInTheOrderOfTheOkSequence) {
    EXPECT_EQ(ComposeReminderEntry(On(29, 2, 2004)).faultField, EntryField::None);
    EntryResult r = ComposeReminderEntry(On(29, 2, 2005));
    EXPECT_EQ(r.faultField, EntryField::FirstDate);
    EXPECT_EQ(r.message, "Invalid Date");

    ReminderEntry every = On(1, 1, 2010);
    every.repeatKind = 1;
    for (const char* n : {"", "  ", "05", "0"}) {
        every.everyText = n;
        r = ComposeReminderEntry(every);
        EXPECT_EQ(r.faultField, EntryField::Every) << "'" << n << "'";
        EXPECT_EQ(r.message, "");
    }

    ReminderEntry timed = On(1, 1, 2010);
    timed.timed = true;
    timed.hour = 24;
    EXPECT_EQ(ComposeReminderEntry(timed).faultField, EntryField::Hour);
    timed.hour = 23;
    timed.minute = 60;
    EXPECT_EQ(ComposeReminderEntry(timed).faultField, EntryField::Minute);

    ReminderEntry start = On(1, 1, 2010);
    start.useStart = true;
    start.startDayNumber = DayNumber(1910, 6, 1);
    r = ComposeReminderEntry(start);
    EXPECT_EQ(r.faultField, EntryField::StartDate);
    EXPECT_EQ(r.message, "Start date out of range.");

    ReminderEntry limited = On(1, 1, 2010);
    limited.repeatKind = 1;
    limited.everyText = "1";
    limited.limitKind = 1;
    limited.limitDayNumber = DayNumber(2010, 1, 1);
    r = ComposeReminderEntry(limited);
    EXPECT_EQ(r.faultField, EntryField::LimitDate);
    EXPECT_EQ(r.message, "Limit should be greather than event date.");
    limited.limitKind = 2;
    limited.limitCount = 0;
    EXPECT_EQ(ComposeReminderEntry(limited).message, "Limit out of range.");
}

TEST(ReminderEntry, StartAndLimitGroupsInHexadecimal) {
    ReminderEntry e = On(10, 5, 2010);
    e.repeatKind = 1;
    e.everyText = "1";
    e.unitIndex = 0;
    e.useStart = true;
    e.startDayNumber = DayNumber(1970, 5, 10);
    e.limitKind = 2;
    e.limitCount = 10;
    const EntryResult r = ComposeReminderEntry(e);
    ASSERT_TRUE(r.Ok());
    char expected[64];
    std::snprintf(expected, sizeof expected, "11010,0,9999,%04X000A,Text", DayNumber(1970, 5, 10) - 700000);
    EXPECT_EQ(r.value, expected);
}

}  // namespace
}  // namespace orvanto
