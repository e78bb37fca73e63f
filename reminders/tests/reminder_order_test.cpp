#include "reminders/reminder_order.h"

#include <gtest/gtest.h>

namespace orvanto {
namespace {

TEST(ReminderTextLessTest, PunctuationThenDigitsThenLettersWithoutCase) {
    EXPECT_TRUE(ReminderTextLess("730563$$$$=x", "7305630815=x"));
    EXPECT_TRUE(ReminderTextLess("730563:", "7305630"));  // ':' sorts before digits here
    EXPECT_TRUE(ReminderTextLess("7305639", "730563A"));
    EXPECT_TRUE(ReminderTextLess("apple", "Banana"));
    EXPECT_TRUE(ReminderTextLess("abc", "abcd"));
    EXPECT_FALSE(ReminderTextLess("B", "a"));
    EXPECT_TRUE(ReminderTextLess("_x", "0x"));
}

TEST(RenumberRemindersTest, UntimedFirstThenByTime) {
    ReminderLines lines = {
        "730563/5=10000,0,0900,00000000,Nine",
        "730563/0=10000,0,0815,00000000,Quarter past eight",
        "730564/2=10000,0,9999,00000000,Next day",
        "730563/1=10000,0,9999,00000000,All day",
    };
    RenumberReminders(lines);
    const ReminderLines expected = {
        "730563/0=10000,0,9999,00000000,All day",
        "730563/1=10000,0,0815,00000000,Quarter past eight",
        "730563/2=10000,0,0900,00000000,Nine",
        "730564/0=10000,0,9999,00000000,Next day",
    };
    EXPECT_EQ(lines, expected);
}

TEST(RenumberRemindersTest, LinesOfNoFormKeepTheirKeysAndNoKeyIsShared) {
    ReminderLines lines = {
        "730563/0=10000,0,0900,00000000,Nine",         "730563/1=10000,,0900,00000000,empty alert",
        "730563/4=10000,0,0800,00000000,Eight",        "abc/0=whatever",
        "$DEL$730563/2=10000,0,9999,00000000,deleted",
    };
    RenumberReminders(lines);
    EXPECT_NE(std::find(lines.begin(), lines.end(), "730563/1=10000,,0900,00000000,empty alert"),
              lines.end());
    EXPECT_NE(std::find(lines.begin(), lines.end(), "abc/0=whatever"), lines.end());
    EXPECT_NE(std::find(lines.begin(), lines.end(), "$DEL$730563/2=10000,0,9999,00000000,deleted"),
              lines.end());
    EXPECT_NE(std::find(lines.begin(), lines.end(), "730563/0=10000,0,0800,00000000,Eight"), lines.end());
    EXPECT_NE(std::find(lines.begin(), lines.end(), "730563/2=10000,0,0900,00000000,Nine"), lines.end());
    EXPECT_EQ(lines.size(), 5u);
}

TEST(RenumberRemindersTest, DuplicateKeysGetCharactersOfTheirOwn) {
    ReminderLines lines = {
        "730563/0=10000,0,9999,00000000,B",
        "730563/0=10000,0,9999,00000000,A",
    };
    RenumberReminders(lines);
    const ReminderLines expected = {
        "730563/0=10000,0,9999,00000000,A",
        "730563/1=10000,0,9999,00000000,B",
    };
    EXPECT_EQ(lines, expected);
}

}  // namespace
}  // namespace orvanto
