#include "reminders/recurrence.h"

#include <gtest/gtest.h>

#include "reminders/date_steps.h"
#include "reminders/history.h"
#include "reminders/tests/reminder_test_support.h"

namespace orvanto {
namespace {

using test::ReadText;
using test::ReminderTempFolder;
using test::Serial;
using test::ServicesFixture;

std::string Line(int date, const std::string& value) { return std::to_string(date) + "/0=" + value; }

constexpr std::int64_t kMorning = 8 * kMsPerMinute * 60;
constexpr std::int64_t kEvening = 20 * kMsPerMinute * 60;

struct NextCase {
    const char* name;
    CivilDate stored;
    const char* value;
    CivilDate today;
    std::int64_t nowMs;
    RescheduleRules rules;
    CivilDate expected;  // year 0: no next occurrence
    const char* limitGroup;
};

TEST(NextOccurrenceTest, EveryKindAndLimit) {
    const auto S = RescheduleRules::kStartupPass;
    const auto C = RescheduleRules::kReminderCheck;
    const NextCase cases[] = {
        {"daily five days ago lands today",
         {2026, 12, 6},
         "11013,0,9999,00000000,x",
         {2026, 12, 11},
         kMorning,
         S,
         {2026, 12, 11},
         "0000"},
        {"daily with alert 2 lands two days ahead",
         {2026, 12, 6},
         "11013,2,9999,00000000,x",
         {2026, 12, 11},
         kMorning,
         S,
         {2026, 12, 13},
         "0000"},
        {"weekly with count 3",
         {2026, 12, 11},
         "11012,0,9999,00000003,x",
         {2026, 12, 11},
         kMorning,
         S,
         {2026, 12, 18},
         "0002"},
        {"weekly with count 1 ends",
         {2026, 12, 11},
         "11012,0,9999,00000001,x",
         {2026, 12, 11},
         kMorning,
         S,
         {0, 0, 0},
         ""},
        {"one-time ends",
         {2026, 12, 11},
         "10000,0,9999,00000000,x",
         {2026, 12, 11},
         kMorning,
         S,
         {0, 0, 0},
         ""},
        {"31 January monthly in a leap year",
         {2004, 1, 31},
         "11011,0,9999,00000000,x",
         {2004, 1, 31},
         kMorning,
         S,
         {2004, 3, 2},
         "0000"},
        {"then 2 April",
         {2004, 3, 2},
         "11011,0,9999,00000000,x",
         {2004, 3, 2},
         kMorning,
         S,
         {2004, 4, 2},
         "0000"},
        {"31 January monthly otherwise",
         {2005, 1, 31},
         "11011,0,9999,00000000,x",
         {2005, 1, 31},
         kMorning,
         S,
         {2005, 3, 3},
         "0000"},
        {"29 February yearly",
         {2004, 2, 29},
         "11010,0,9999,00000000,x",
         {2004, 2, 29},
         kMorning,
         S,
         {2005, 3, 1},
         "0000"},
        {"and stays on 1 March",
         {2005, 3, 1},
         "11010,0,9999,00000000,x",
         {2005, 3, 1},
         kMorning,
         S,
         {2006, 3, 1},
         "0000"},
        {"yearly missed for years",
         {2001, 6, 10},
         "11010,0,9999,00000000,x",
         {2026, 12, 11},
         kMorning,
         S,
         {2027, 6, 10},
         "0000"},
        {"last Friday of every month",
         {2005, 5, 27},
         "12055,0,9999,00000000,x",
         {2005, 5, 27},
         kMorning,
         S,
         {2005, 6, 24},
         "0000"},
        {"first Monday in October",
         {2005, 10, 3},
         "12A11,0,9999,00000000,x",
         {2005, 10, 3},
         kMorning,
         S,
         {2006, 10, 2},
         "0000"},
        {"every Monday before its time at start-up",
         {2026, 11, 30},
         "12001,0,1000,00000000,x",
         {2026, 12, 7},
         kMorning,
         S,
         {2026, 12, 7},
         "0000"},
        {"every Monday after its time",
         {2026, 11, 30},
         "12001,0,1000,00000000,x",
         {2026, 12, 7},
         kEvening,
         S,
         {2026, 12, 14},
         "0000"},
        {"every Monday in the check",
         {2026, 11, 30},
         "12001,0,1000,00000000,x",
         {2026, 12, 7},
         kMorning,
         C,
         {2026, 12, 14},
         "0000"},
        {"holiday alert is dropped",
         {2025, 12, 25},
         "21010,5,9999,00000000,x",
         {2026, 12, 11},
         kMorning,
         S,
         {2026, 12, 25},
         "0000"},
    };
    for (const NextCase& c : cases) {
        SCOPED_TRACE(c.name);
        const auto record = ParseReminder(Line(DayNumber(c.stored), c.value));
        ASSERT_TRUE(record);
        const auto next = NextOccurrenceOf(*record, record->timeField, DayNumber(c.today), c.nowMs, c.rules);
        if (c.expected.year == 0) {
            EXPECT_FALSE(next);
            continue;
        }
        ASSERT_TRUE(next);
        EXPECT_EQ(DateFromDayNumber(next->date), c.expected);
        EXPECT_EQ(next->limitGroup, c.limitGroup);
    }
}

TEST(NextOccurrenceTest, DateLimitIsTestedOnTheConsumedDate) {
    const int limit = DayNumber(2027, 1, 20) - kStoredDateOffset;
    const std::string value = "11012,0,9999,0000" + HexGroup(limit) + ",x";
    auto record = ParseReminder(Line(DayNumber(2027, 1, 15), value));
    ASSERT_TRUE(record);
    auto next =
        NextOccurrenceOf(*record, "9999", DayNumber(2027, 1, 15), kMorning, RescheduleRules::kStartupPass);
    ASSERT_TRUE(next);
    EXPECT_EQ(DateFromDayNumber(next->date), (CivilDate{2027, 1, 22}));
    EXPECT_TRUE(IsLastTime(record->limitGroup, next->date));

    record = ParseReminder(Line(next->date, value));
    ASSERT_TRUE(record);
    EXPECT_FALSE(NextOccurrenceOf(*record, "9999", next->date, kMorning, RescheduleRules::kStartupPass));
}

TEST(RescheduleReminderTest, AppendsTheNextOccurrenceAndLogsTheOldOne) {
    ReminderTempFolder folder;
    ServicesFixture fixture;
    fixture.clock.SetLocal(Serial(2026, 12, 11, 9, 0));
    const RescheduleSettings settings{folder.File("history.txt"), 1, false};
    ReminderLines lines = {Line(DayNumber(2026, 12, 11), "11012,0,0800,00000003,Weekly")};
    ASSERT_TRUE(RescheduleReminder(lines, 0, DayNumber(2026, 12, 11), settings, fixture.services,
                                   RescheduleRules::kReminderCheck));
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[1], std::to_string(DayNumber(2026, 12, 18)) + "/0=11012,0,0800,00000002,Weekly");
    const std::string history = ReadText(folder.File("history.txt"));
    EXPECT_EQ(history, std::string(kHistoryHeader) + "\n" + LongDescription(lines[0], 1, false) + "\n");
}

TEST(RescheduleReminderTest, TheLastOfACountIsLoggedAndNotRepeated) {
    ReminderTempFolder folder;
    ServicesFixture fixture;
    fixture.clock.SetLocal(Serial(2026, 12, 11, 9, 0));
    const RescheduleSettings settings{folder.File("history.txt"), 1, false};
    ReminderLines lines = {Line(DayNumber(2026, 12, 11), "11012,0,0800,00000001,Weekly")};
    RescheduleReminder(lines, 0, DayNumber(2026, 12, 11), settings, fixture.services,
                       RescheduleRules::kReminderCheck);
    EXPECT_EQ(lines.size(), 1u);
    EXPECT_NE(ReadText(folder.File("history.txt")).find("Limit: 01 times"), std::string::npos);
}

TEST(RescheduleReminderTest, InvalidTimeIsClearedWithAWarningForARepeatingRecord) {
    ServicesFixture fixture;
    fixture.clock.SetLocal(Serial(2026, 12, 11, 9, 0));
    const RescheduleSettings settings{"", 1, false};
    const int today = DayNumber(2026, 12, 11);
    ReminderLines lines = {Line(today, "11013,0,2575,00000000,Odd time"),
                           Line(today, "10000,0,2575,00000000,Once")};
    RescheduleReminder(lines, 0, today, settings, fixture.services, RescheduleRules::kStartupPass);
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[2], std::to_string(today + 1) + "/0=11013,0,9999,00000000,Odd time");
    EXPECT_EQ(
        fixture.prompt.Texts(),
        std::vector<std::string>{"An invalid time has been found while rescheduling \"00000000,Odd time\". "
                                 "The event time has been cleared."});
    RescheduleReminder(lines, 1, today, settings, fixture.services, RescheduleRules::kStartupPass);
    EXPECT_EQ(fixture.prompt.Texts().size(), 1u);

    // Without the start-and-limit group the warning quotes what follows the
    // time field: the text alone, with its commas.
    fixture.prompt.Clear();
    ReminderLines short_ = {Line(today, "11013,0,2575,Odd, short")};
    RescheduleReminder(short_, 0, today, settings, fixture.services, RescheduleRules::kStartupPass);
    EXPECT_EQ(fixture.prompt.Texts(),
              std::vector<std::string>{"An invalid time has been found while rescheduling \"Odd, short\". "
                                       "The event time has been cleared."});

    // The once-a-second check keeps the time as it is.
    ReminderLines checked = {Line(today, "11013,0,2575,00000000,Odd time")};
    RescheduleReminder(checked, 0, today, settings, fixture.services, RescheduleRules::kReminderCheck);
    EXPECT_EQ(checked[1], std::to_string(today + 1) + "/0=11013,0,2575,00000000,Odd time");
}

TEST(RescheduleReminderTest, AFullTargetDayLosesTheOccurrence) {
    ServicesFixture fixture;
    fixture.clock.SetLocal(Serial(2026, 12, 11, 9, 0));
    const int today = DayNumber(2026, 12, 11);
    ReminderLines lines = {Line(today, "11013,0,9999,00000000,Daily")};
    for (char c : kSequenceCharacters)
        lines.push_back(std::to_string(today + 1) + "/" + c + "=10000,0,9999,00000000,f");
    RescheduleReminder(lines, 0, today, {"", 1, false}, fixture.services, RescheduleRules::kReminderCheck);
    EXPECT_EQ(lines.size(), 37u);
    EXPECT_EQ(fixture.prompt.Texts(), std::vector<std::string>{"There are too many reminders for this day."});
}

TEST(WarnAgainCopyTest, PastMidnightGoesToTomorrow) {
    ServicesFixture fixture;
    fixture.clock.SetLocal(Serial(2026, 12, 11, 23, 50, 40));
    const int today = DayNumber(2026, 12, 11);
    ReminderLines lines = {Line(today, "11010,3,2350,4CDF0005,Due today")};
    ASSERT_TRUE(WarnAgainCopy(lines, 0, 30, today, fixture.services));
    EXPECT_EQ(lines[1], std::to_string(today + 1) + "/0=10000,0,0020,4CDF0005,Due today");
}

TEST(WarnAgainCopyTest, PrefixTellsHowFarTheDateIs) {
    ServicesFixture fixture;
    fixture.clock.SetLocal(Serial(2026, 12, 11, 14, 30, 40));
    const int today = DayNumber(2026, 12, 11);
    ReminderLines lines = {Line(today + 2, "10000,3,9999,00000000,Ahead"),
                           Line(today - 1, "10000,0,9999,00000000,Behind"),
                           Line(today + 1, "10000,3,9999,00000000,Tomorrow")};
    WarnAgainCopy(lines, 0, 5, today, fixture.services);
    WarnAgainCopy(lines, 1, 5, today, fixture.services);
    WarnAgainCopy(lines, 2, 5, today, fixture.services);
    EXPECT_EQ(lines[3], std::to_string(today) + "/0=10000,0,1435,00000000,Just 2 days for Ahead");
    EXPECT_EQ(lines[4], std::to_string(today) + "/1=10000,0,1435,00000000,1 day from Behind");
    EXPECT_EQ(lines[5], std::to_string(today) + "/2=10000,0,1435,00000000,Just 1 day for Tomorrow");
}

TEST(AgeTextTest, FromTheStartGroup) {
    EXPECT_EQ(AgeText("0000", DayNumber(2005, 10, 7)), "");
    EXPECT_EQ(AgeText("4CDF", DayNumber(2005, 10, 7)), "(35 years, 6 months, 22 days)");
}

TEST(IsLastTimeTest, CountOneOrDateReached) {
    const int date = DayNumber(2027, 1, 22);
    EXPECT_TRUE(IsLastTime("0001", date));
    EXPECT_FALSE(IsLastTime("0002", date));
    EXPECT_FALSE(IsLastTime("0000", date));
    EXPECT_TRUE(IsLastTime(HexGroup(date - kStoredDateOffset), date));
    EXPECT_TRUE(IsLastTime(HexGroup(date - 1 - kStoredDateOffset), date));
    EXPECT_FALSE(IsLastTime(HexGroup(date + 1 - kStoredDateOffset), date));
}

}  // namespace
}  // namespace orvanto
