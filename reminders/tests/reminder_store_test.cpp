#include "reminders/reminder_store.h"

#include <gtest/gtest.h>

#include "reminders/tests/reminder_test_support.h"

namespace orvanto {
namespace {

using test::ReminderSection;
using test::ReminderTempFolder;
using test::ServicesFixture;
using test::SettingsText;
using test::WriteText;

ReminderLines DayWith(const std::vector<char>& sequences) {
    ReminderLines lines;
    for (char c : sequences) lines.push_back(std::string("730563/") + c + "=10000,0,9999,00000000,r" + c);
    return lines;
}

TEST(AppendReminderTest, TakesTheCharacterAfterTheHighest) {
    ServicesFixture fixture;
    ReminderLines lines = DayWith({'0', '1', '5'});
    ASSERT_TRUE(AppendReminder(730563, "10000", 0, "9999", "00000000", "new", lines, fixture.services));
    EXPECT_EQ(lines.back(), "730563/6=10000,0,9999,00000000,new");
}

TEST(AppendReminderTest, SkipsDeletedLinesAndFollowsNineWithA) {
    ServicesFixture fixture;
    ReminderLines lines = DayWith({'0', '9'});
    lines.push_back("$DEL$730563/C=10000,0,9999,00000000,gone");
    ASSERT_TRUE(
        AppendReminder(730563, "10000", 2, "1430", "00000000", "--:--,Call", lines, fixture.services));
    EXPECT_EQ(lines.back(), "730563/A=10000,2,1430,00000000,Call");
}

TEST(AppendReminderTest, AFullDayRefusesWithTheMessageAndSound) {
    ServicesFixture fixture;
    std::vector<char> all(kSequenceCharacters.begin(), kSequenceCharacters.end());
    ReminderLines lines = DayWith(all);
    EXPECT_FALSE(AppendReminder(730563, "10000", 0, "9999", "00000000", "new", lines, fixture.services));
    EXPECT_EQ(lines.size(), 36u);
    ASSERT_EQ(fixture.prompt.Log().size(), 1u);
    EXPECT_EQ(fixture.prompt.Log()[0].text, "There are too many reminders for this day.");
    EXPECT_EQ(fixture.prompt.Log()[0].messageKind, MessageKind::Error);
    EXPECT_TRUE(fixture.prompt.Log()[0].cancelButton);
    EXPECT_EQ(fixture.sound.played, std::vector<std::string>{"event:SystemExclamation"});
}

TEST(AppendReminderTest, ALineOfNoFormHoldingZLeavesTheLowerCharactersFree) {
    // A rescheduled daily series landing on a day whose only line (of no
    // record form) holds "Z": the day is not full.
    ServicesFixture fixture;
    ReminderLines lines = {"732669/Z=10000,Call,Bob"};
    ASSERT_TRUE(AppendReminder(732669, "11013", 0, "9999", "00000000", "Daily", lines, fixture.services));
    EXPECT_EQ(lines.back(), "732669/0=11013,0,9999,00000000,Daily");
    EXPECT_TRUE(fixture.prompt.Log().empty());
}

TEST(AppendReminderTest, WithZTakenTheLowestFreeCharacterIsUsed) {
    ServicesFixture fixture;
    std::vector<char> most(kSequenceCharacters.begin(), kSequenceCharacters.end());
    most.erase(most.begin() + 7);  // "7" is free
    ReminderLines lines = DayWith(most);
    ASSERT_TRUE(AppendReminder(730563, "10000", 0, "9999", "00000000", "new", lines, fixture.services));
    EXPECT_EQ(lines.back(), "730563/7=10000,0,9999,00000000,new");
}

TEST(InsertReminderTest, TakesTheFirstFreeKey) {
    ReminderTempFolder folder;
    const std::string path = folder.File("orvanto.ini");
    WriteText(path, SettingsText({}, DayWith({'0', '1', '5'})));
    ServicesFixture fixture;
    IniFile settings(path);
    ASSERT_TRUE(InsertReminder(settings, 730563, "  10000,0,9999,00000000,new  ", fixture.services));
    EXPECT_EQ(settings.ReadString("Reminders", "730563/2", ""), "10000,0,9999,00000000,new");
}

TEST(InsertReminderTest, AFullDayWritesNothing) {
    ReminderTempFolder folder;
    const std::string path = folder.File("orvanto.ini");
    std::vector<char> all(kSequenceCharacters.begin(), kSequenceCharacters.end());
    WriteText(path, SettingsText({}, DayWith(all)));
    const std::string before = test::ReadText(path);
    ServicesFixture fixture;
    IniFile settings(path);
    EXPECT_FALSE(InsertReminder(settings, 730563, "10000,0,9999,00000000,new", fixture.services));
    EXPECT_EQ(test::ReadText(path), before);
    EXPECT_EQ(fixture.prompt.Texts(), std::vector<std::string>{"There are too many reminders for this day."});
}

TEST(WriteBackRemindersTest, RenumbersAMixedDayAndKeepsLinesOfNoForm) {
    ReminderTempFolder folder;
    const std::string path = folder.File("orvanto.ini");
    WriteText(path, SettingsText({"DateFormat=1"}, {}) + "\n[Colors]\nTheme=0\n");
    ServicesFixture fixture;
    IniFile settings(path);
    ReminderLines lines = {
        "730563/0=10000,0,0900,00000000,Nine",
        "730563/1=10000,0,0815,00000000,Quarter past eight",
        "730563/2=10000,0,9999,00000000,All day",
        "730563/3=10000,0,1200,00000000,Noon",
        "garbage/x=kept as it is",
    };
    DeleteMark(lines, 3);
    WriteBackReminders(lines, settings);
    const std::vector<std::string> expected = {
        "730563/0=10000,0,9999,00000000,All day",
        "730563/1=10000,0,0815,00000000,Quarter past eight",
        "730563/2=10000,0,0900,00000000,Nine",
        "garbage/x=kept as it is",
    };
    EXPECT_EQ(ReminderSection(path), expected);
    EXPECT_EQ(settings.ReadInteger("Settings", "DateFormat", 0), 1);
    EXPECT_EQ(settings.ReadInteger("Colors", "Theme", 7), 0);
}

TEST(WriteBackRemindersTest, LinesOfTheFileThatDidNotChangeKeepTheirBytes) {
    // A stray carriage return in front of a line, notes among the records,
    // CRLF ends and a 1,500-character text: a write-back that consumes one
    // record changes nothing else.
    ReminderTempFolder folder;
    const std::string path = folder.File("orvanto.ini");
    const std::string longText(1500, 'x');
    const std::string kept =
        "[Settings]\r\nDateFormat=1\r\n\r\n[Reminders]\r\n\r[Settings]x=1\r\n"
        "; birthdays below\r\n732669/0=10000,0,9999,00000000," +
        longText + "\r\n";
    WriteText(path, kept + "732670/0=10000,0,9999,00000000,Gone\r\n# last note\r\n");
    IniFile settings(path);
    ReminderLines lines = ReadReminderLines(settings);
    ASSERT_EQ(lines.size(), 3u);
    DeleteMark(lines, 2);
    WriteBackReminders(lines, settings);
    EXPECT_EQ(test::ReadText(path), kept + "# last note\r\n");
    EXPECT_EQ(settings.ReadInteger("Settings", "DateFormat", -1), 1);
    EXPECT_EQ(ReminderSection(path).size(), 2u);
}

}  // namespace
}  // namespace orvanto
