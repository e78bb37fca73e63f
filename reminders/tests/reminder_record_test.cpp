#include "reminders/reminder_record.h"

#include <gtest/gtest.h>

namespace orvanto {
namespace {

TEST(ParseReminderTest, ReadsTheFullForm) {
    const auto record = ParseReminder("732669/0=11010,3,1430,4CDF0000,Anna's birthday");
    ASSERT_TRUE(record);
    EXPECT_EQ(record->date, 732669);
    EXPECT_EQ(record->sequence, '0');
    EXPECT_EQ(record->code, "11010");
    EXPECT_EQ(record->type, kReminderType);
    EXPECT_EQ(record->repeatKind, kRepeatEvery);
    EXPECT_EQ(record->countOrWhich, 1);
    EXPECT_EQ(record->unitOrWeekday, kYears);
    EXPECT_EQ(record->alertDays, 3);
    EXPECT_EQ(record->timeField, "1430");
    EXPECT_EQ(record->hour, 14);
    EXPECT_EQ(record->minute, 30);
    EXPECT_TRUE(record->HasValidTime());
    EXPECT_EQ(record->startGroup, "4CDF");
    EXPECT_EQ(record->StartDate(), 719679);
    EXPECT_EQ(record->limitGroup, "0000");
    EXPECT_EQ(record->text, "Anna's birthday");
}

TEST(ParseReminderTest, KeepsCommasOfTheText) {
    const auto record = ParseReminder("730563/1=10000,0,9999,00000000,Milk, eggs, bread");
    ASSERT_TRUE(record);
    EXPECT_EQ(record->text, "Milk, eggs, bread");
    EXPECT_FALSE(record->HasTimeField());
}

TEST(ParseReminderTest, ReadsTheShorterOlderForms) {
    struct Case {
        const char* line;
        int alert;
        const char* time;
        const char* startLimit;
        const char* text;
    };
    const Case cases[] = {
        {"730563/0=10000,Dentist", 0, "9999", "00000000", "Dentist"},
        {"730563/0=10000,12,Dentist", 12, "9999", "00000000", "Dentist"},
        {"730563/0=10000,2,0915,Dentist", 2, "0915", "00000000", "Dentist"},
        {"730563/0=10000,0915,Dentist", 0, "0915", "00000000", "Dentist"},
        {"730563/0=10000,5,0915,00010003,Dentist", 5, "0915", "00010003", "Dentist"},
        {"730563/0=10000", 0, "9999", "00000000", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.line);
        const auto record = ParseReminder(c.line);
        ASSERT_TRUE(record);
        EXPECT_EQ(record->alertDays, c.alert);
        EXPECT_EQ(record->timeField, c.time);
        EXPECT_EQ(record->StartAndLimit(), c.startLimit);
        EXPECT_EQ(record->text, c.text);
    }
}

TEST(ParseReminderTest, ReadsTheCodesOfEveryKind) {
    struct Case {
        const char* code;
        int type, kind, countOrWhich, unitOrWeekday, month;
    };
    const Case cases[] = {
        {"10000", 1, 0, 0, 0, 0},  {"11012", 1, 1, 1, 2, 0},  {"11021", 1, 1, 2, 1, 0},
        {"12B45", 1, 2, 4, 5, 11}, {"12051", 1, 2, 5, 1, 0},  {"21010", 2, 1, 1, 0, 0},
        {"30000", 3, 0, 0, 0, 0},  {"12C03", 1, 2, 0, 3, 12},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.code);
        const auto record = ParseReminder(std::string("730563/0=") + c.code + ",0,9999,00000000,x");
        ASSERT_TRUE(record);
        EXPECT_EQ(record->type, c.type);
        EXPECT_EQ(record->repeatKind, c.kind);
        EXPECT_EQ(record->countOrWhich, c.countOrWhich);
        EXPECT_EQ(record->unitOrWeekday, c.unitOrWeekday);
        EXPECT_EQ(record->monthIndex, c.month);
    }
}

TEST(ParseReminderTest, MarksInvalidTimes) {
    const auto record = ParseReminder("730563/0=10000,0,2575,00000000,Late");
    ASSERT_TRUE(record);
    EXPECT_TRUE(record->HasTimeField());
    EXPECT_FALSE(record->HasValidTime());
    EXPECT_TRUE(record->HasInvalidTime());
}

TEST(ParseReminderTest, LinesOfNoFormAreNoRecords) {
    const char* lines[] = {
        "730563/0=10000,,0900,00000000,empty alert field",
        "730563/0=10000,3,,00000000,empty time field",
        "730563/0=10000,3,0900,,empty start and limit field",
        "abc/0=10000,0,9999,00000000,date is no number",
        "0/0=10000,0,9999,00000000,date zero",
        "-5/0=10000,0,9999,00000000,negative date",
        "730563=10000,0,9999,00000000,no sequence",
        "730563/00=10000,0,9999,00000000,two sequence characters",
        "730563/0=1000,0,9999,00000000,short code",
        "730563/0=41000,0,9999,00000000,type 4",
        "730563/0=13000,0,9999,00000000,kind 3",
        "730563/0=11000,0,9999,00000000,every 0 years",
        "730563/0=12D00,0,9999,00000000,month D",
        "730563/0=10000,0,9999,0000G000,not hexadecimal",
        "730563/0=10000,x,9999,00000000,alert not a number",
        "$DEL$730563/0=10000,0,9999,00000000,deleted",
        "no equals sign",
    };
    for (const char* line : lines) {
        SCOPED_TRACE(line);
        EXPECT_FALSE(ParseReminder(line));
    }
}

TEST(ReminderKeyTest, DatePartAndSequence) {
    EXPECT_EQ(KeyDatePart("730563/0"), 730563);
    EXPECT_EQ(KeyDatePart("-5/0"), -5);
    EXPECT_EQ(KeyDatePart("0/3"), 0);
    EXPECT_FALSE(KeyDatePart("abc/0"));
    EXPECT_FALSE(KeyDatePart("$DEL$730563/0"));
    const auto key = ParseReminderKey("730563/z");
    ASSERT_TRUE(key);
    EXPECT_EQ(key->sequence, 'Z');
    EXPECT_EQ(SequenceIndex('Z'), 35);
    EXPECT_EQ(SequenceIndex('a'), -1);
}

TEST(ReminderRecordTest, NumericCodeAndLimits) {
    EXPECT_EQ(NumericCode("12B45"), 12045);
    EXPECT_EQ(NumericCode("21010"), 21010);
    EXPECT_EQ(NumericCode("30000"), 30000);
    // 0063 is a count of 99 occurrences; 0064 the limit date DayNumber 700100.
    auto record = ParseReminder("730563/0=11012,0,9999,00000063,x");
    ASSERT_TRUE(record);
    EXPECT_EQ(record->LimitValue(), 99);
    record = ParseReminder("730563/0=11012,0,9999,00000064,x");
    ASSERT_TRUE(record);
    EXPECT_EQ(record->LimitValue() + kStoredDateOffset, 700100);
    EXPECT_EQ(HexGroup(19679), "4CDF");
}

}  // namespace
}  // namespace orvanto
