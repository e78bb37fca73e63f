// The add-event dialog's composition of codes and values and its OK checks.
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "calendar/day_number.h"
#include "reminders/reminder_entry.h"
#include "reminders/reminder_record.h"

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
    struct Case {
        int hour;
        int minute;
        bool pm;
        const char* field;
    };
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

    // Typed and OK pressed without leaving the field: never a six-character
    // code or an empty alert field.
    for (const char* n : {"100", "999", "1x"}) {
        every.everyText = n;
        r = ComposeReminderEntry(every);
        EXPECT_EQ(r.faultField, EntryField::Every) << n;
        EXPECT_EQ(r.message, "Value must be between 1 and 99.") << n;
    }
    ReminderEntry warned = On(1, 1, 2010);
    for (const char* days : {"", "100", "-1", "x"}) {
        warned.warningText = days;
        r = ComposeReminderEntry(warned);
        EXPECT_EQ(r.faultField, EntryField::Warning) << days;
        EXPECT_EQ(r.message, *days ? "Warnings must be between 0 and 99 days before the event." : "") << days;
    }
    warned.typeIndex = 1;  // a holiday's disabled field
    warned.warningText = "";
    r = ComposeReminderEntry(warned);
    ASSERT_TRUE(r.Ok());
    EXPECT_EQ(r.value, "20000,0,9999,00000000,Text");

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

// Whatever the fields hold, a value that passes the checks reads back as a
// record: no writer produces a line the reader refuses.
TEST(ReminderEntry, EveryAcceptedValueReadsBackAsARecord) {
    const std::vector<std::string> typed = {"",   " ",   "0",   "1",  "05", "7", "42",
                                            "99", "100", "999", "-1", "+5", "x"};
    std::mt19937 random(11);
    const auto pick = [&random](int count) {
        return std::uniform_int_distribution<int>(0, count - 1)(random);
    };
    int accepted = 0;
    for (int run = 0; run < 20000; ++run) {
        ReminderEntry e = On(1 + pick(28), 1 + pick(12), 1753 + pick(326));
        e.typeIndex = pick(3);
        e.repeatKind = pick(3);
        e.everyText = typed[static_cast<std::size_t>(pick(static_cast<int>(typed.size())))];
        e.warningText = typed[static_cast<std::size_t>(pick(static_cast<int>(typed.size())))];
        e.unitIndex = pick(4);
        e.monthIndex = pick(13);
        e.whichIndex = pick(6);
        e.weekdayIndex = pick(7);
        e.timed = pick(2) == 1;
        e.hour = pick(30);
        e.minute = pick(70);
        e.text = pick(2) ? "Text, with a comma" : "x";
        const EntryResult r = ComposeReminderEntry(e);
        if (!r.Ok()) continue;
        ++accepted;
        ASSERT_TRUE(ParseReminder("730563/0=" + r.value)) << r.value;
    }
    EXPECT_GT(accepted, 1000);
}

}  // namespace
}  // namespace orvanto
