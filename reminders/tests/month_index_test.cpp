#include "reminders/month_index.h"

#include <gtest/gtest.h>

#include "reminders/tests/reminder_test_support.h"

namespace orvanto {
namespace {

using test::ReminderTempFolder;
using test::SettingsText;
using test::WriteText;

struct Expected {
    int day;
    int stepKind;
    std::string text;
};

std::vector<Expected> Summary(const MonthIndex& index) {
    std::vector<Expected> result;
    for (const MonthIndexEntry& entry : index.entries)
        result.push_back({entry.day, entry.stepKind, entry.text});
    return result;
}

bool operator==(const Expected& a, const Expected& b) {
    return a.day == b.day && a.stepKind == b.stepKind && a.text == b.text;
}

std::ostream& operator<<(std::ostream& out, const Expected& e) {
    return out << "{" << e.day << ", " << e.stepKind << ", " << e.text << "}";
}

MonthIndex Build(int month, int year, const std::vector<std::string>& lines, int showGhost,
                 bool inBrackets = true, TimeStyle style = {}) {
    ScriptedPrompt prompt;
    MonthIndexSettings settings{showGhost, inBrackets, style};
    return BuildMonthIndex(month, year, lines, settings, prompt);
}

std::string At(int year, int month, int day, const std::string& value) {
    return std::to_string(DayNumber(year, month, day)) + "/0=" + value;
}

TEST(BuildMonthIndexTest, WeeklyReminderForwardAndBackward) {
    const std::vector<std::string> lines = {At(2005, 3, 3, "11012,0,9999,00000000,Gym")};
    EXPECT_EQ(Summary(Build(3, 2005, lines, 1)),
              (std::vector<Expected>{
                  {3, 0, "Gym"}, {10, 2, "[Gym]"}, {17, 2, "[Gym]"}, {24, 2, "[Gym]"}, {31, 2, "[Gym]"}}));
    EXPECT_EQ(Summary(Build(3, 2005, lines, 1, false))[1], (Expected{10, 2, "Gym"}));
    EXPECT_EQ(Summary(Build(2, 2005, lines, 1)),
              (std::vector<Expected>{{3, 2, "[Gym]"}, {10, 2, "[Gym]"}, {17, 2, "[Gym]"}, {24, 2, "[Gym]"}}));
    EXPECT_TRUE(Build(2, 2005, lines, 2).entries.empty());
    EXPECT_EQ(Build(3, 2005, lines, 0).Count(), 1u);
}

TEST(BuildMonthIndexTest, ShowGhostOneShowsEarlierWeeksOfTheStoredMonth) {
    const std::vector<std::string> lines = {At(2005, 3, 17, "11012,0,9999,00000000,Gym")};
    EXPECT_EQ(Build(3, 2005, lines, 1).Count(), 5u);
    EXPECT_EQ(Build(3, 2005, lines, 2).Count(), 3u);
}

TEST(BuildMonthIndexTest, YearlyHolidayAndCountLimitedMonthly) {
    const std::vector<std::string> holiday = {At(2005, 12, 25, "21010,0,9999,00000000,Christmas Day")};
    const MonthIndex next = Build(12, 2006, holiday, 2);
    ASSERT_EQ(next.Count(), 1u);
    EXPECT_EQ(next.entries[0].type, kHolidayType);
    EXPECT_EQ(next.entries[0].day, 25);
    EXPECT_EQ(next.entries[0].stepKind, kStepStoredOrYearly);

    const std::vector<std::string> monthly = {At(2005, 1, 10, "11011,0,9999,00000002,Rent")};
    EXPECT_EQ(Build(2, 2005, monthly, 2).Count(), 1u);
    EXPECT_EQ(Build(3, 2005, monthly, 2).Count(), 1u);
    EXPECT_EQ(Build(3, 2005, monthly, 2).entries[0].stepKind, kStepMonthly);
    EXPECT_EQ(Build(4, 2005, monthly, 2).Count(), 0u);
}

TEST(BuildMonthIndexTest, MonthlyFromThirtyFirstRollsAsRescheduling) {
    const std::vector<std::string> monthly = {At(2005, 1, 31, "11011,0,9999,00000000,End")};
    EXPECT_TRUE(Build(2, 2005, monthly, 2).entries.empty());
    ASSERT_EQ(Build(3, 2005, monthly, 2).Count(), 1u);
    EXPECT_EQ(Build(3, 2005, monthly, 2).entries[0].day, 3);
    EXPECT_EQ(Build(7, 2006, monthly, 2).entries[0].day, 3);
}

TEST(BuildMonthIndexTest, LastFridayAndEveryMonday) {
    const std::vector<std::string> lastFriday = {At(2005, 5, 27, "12055,0,9999,00000000,Pay day")};
    EXPECT_EQ(Summary(Build(6, 2005, lastFriday, 2)), (std::vector<Expected>{{24, 0, "[Pay day]"}}));
    EXPECT_EQ(Summary(Build(4, 2005, lastFriday, 1)), (std::vector<Expected>{{29, 0, "[Pay day]"}}));
    EXPECT_TRUE(Build(4, 2005, lastFriday, 2).entries.empty());

    // August 2005 has five Mondays: 1, 8, 15, 22, 29.
    const std::vector<std::string> before = {At(2005, 7, 4, "12001,0,9999,00000000,Monday")};
    EXPECT_EQ(Build(8, 2005, before, 2).Count(), 5u);
    const std::vector<std::string> inside = {At(2005, 8, 15, "12001,0,9999,00000000,Monday")};
    EXPECT_EQ(Build(8, 2005, inside, 2).Count(), 3u);  // stored 15th, then 22nd and 29th
    EXPECT_EQ(Build(8, 2005, inside, 1).Count(), 5u);
}

TEST(BuildMonthIndexTest, TimedTextAndTypes) {
    const std::vector<std::string> lines = {At(2005, 3, 3, "10000,0,1430,4CDF0000,Dentist"),
                                            At(2005, 3, 4, "30000,0,9999,00000000,Mark"),
                                            At(2005, 3, 5, "10000,0,2575,00000000,Odd")};
    const MonthIndex index = Build(3, 2005, lines, 2);
    ASSERT_EQ(index.Count(), 3u);
    EXPECT_EQ(index.entries[0].text, "Dentist (14:30)");
    EXPECT_TRUE(index.entries[0].timed);
    EXPECT_EQ(index.entries[0].startDate, 719679);
    EXPECT_EQ(index.entries[1].type, kBookmarkType);
    EXPECT_EQ(index.entries[2].text, "Odd");
    EXPECT_FALSE(index.entries[2].timed);
    const MonthIndex twelve = Build(3, 2005, lines, 2, true, TimeStyle{true, "AM", "PM"});
    EXPECT_EQ(twelve.entries[0].text, "Dentist (02:30 PM)");
}

TEST(BuildMonthIndexTest, EntriesAreSortedAndTextsCut) {
    const std::vector<std::string> lines = {At(2005, 3, 20, "10000,0,9999,00000000," + std::string(200, 'y')),
                                            At(2005, 3, 2, "10000,0,9999,00000000,early")};
    const MonthIndex index = Build(3, 2005, lines, 2);
    ASSERT_EQ(index.Count(), 2u);
    EXPECT_EQ(index.entries[0].day, 2);
    EXPECT_EQ(index.entries[1].text.size(), 128u);
}

TEST(BuildMonthIndexTest, TheFiveHundredAndFirstEntryStopsTheBuild) {
    std::vector<std::string> lines;
    for (int i = 0; i < 20; ++i)
        lines.push_back(At(2005, 3, 1, "11013,0,9999,00000000,daily " + std::to_string(i)));
    ScriptedPrompt prompt;
    const MonthIndex index = BuildMonthIndex(3, 2005, lines, MonthIndexSettings{2, true, {}}, prompt);
    EXPECT_EQ(index.Count(), 500u);
    EXPECT_EQ(prompt.Texts(), std::vector<std::string>{"There are too many events for this month."});
    EXPECT_TRUE(std::is_sorted(index.entries.begin(), index.entries.end(),
                               [](const auto& a, const auto& b) { return a.day < b.day; }));
}

TEST(BuildMonthIndexTest, ReadsTheSettingsFileAndSkipsLinesOfNoForm) {
    ReminderTempFolder folder;
    const std::string path = folder.File("orvanto.ini");
    WriteText(path,
              SettingsText({"ShowGhost=1", "InBrackets=0"},
                           {At(2005, 3, 3, "11012,0,9999,00000000,Gym"), "0/0=10000,0,9999,00000000,zero",
                            At(2005, 2, 10, "10000,,9999,00000000,bad")}));
    ScriptedPrompt prompt;
    const MonthIndex index = BuildMonthIndex(2, 2005, IniFile(path), TimeStyle{}, prompt);
    ASSERT_EQ(index.Count(), 4u);
    EXPECT_EQ(index.entries[0].text, "Gym");
}

TEST(BuildMonthIndexTest, LimitsOfEveryKind) {
    struct Case {
        const char* name;
        std::string line;
        int month, year, showGhost;
        std::vector<int> days;
    };
    const std::string limitDate = HexGroup(DayNumber(2005, 3, 20) - kStoredDateOffset);
    const Case cases[] = {
        {"weekly, count 2", At(2005, 3, 3, "11012,0,9999,00000002,w"), 3, 2005, 2, {3, 10, 17}},
        {"weekly, up to 20 March",
         At(2005, 3, 3, "11012,0,9999,0000" + limitDate + ",w"),
         3,
         2005,
         2,
         {3, 10, 17}},
        {"every 2 days, count 3, seen next month",
         At(2005, 2, 26, "11023,0,9999,00000003,d"),
         3,
         2005,
         2,
         {2, 4}},
        {"every Monday, count 2", At(2005, 8, 1, "12001,0,9999,00000002,m"), 8, 2005, 2, {1, 8, 15}},
        {"last Friday, count 1", At(2005, 5, 27, "12055,0,9999,00000001,f"), 6, 2005, 2, {24}},
        {"last Friday, count 1, a month too far", At(2005, 5, 27, "12055,0,9999,00000001,f"), 7, 2005, 2, {}},
        {"first Monday of October only in October",
         At(2005, 10, 3, "12A11,0,9999,00000000,o"),
         11,
         2006,
         1,
         {}},
        {"first Monday of October, next year", At(2005, 10, 3, "12A11,0,9999,00000000,o"), 10, 2006, 2, {2}},
        {"yearly, seen a year before", At(2005, 6, 10, "11010,0,9999,00000000,y"), 6, 2004, 1, {10}},
        {"every 2 years skips a year", At(2005, 6, 10, "11020,0,9999,00000000,y"), 6, 2006, 2, {}},
        {"monthly, seen months before", At(2005, 6, 10, "11011,0,9999,00000000,y"), 2, 2005, 1, {10}},
        {"yearly, count 2, not in the third year",
         At(2005, 6, 10, "11010,0,9999,00000002,y"),
         6,
         2008,
         2,
         {}},
        {"yearly, count 2, the second year", At(2005, 6, 10, "11010,0,9999,00000002,y"), 6, 2007, 2, {10}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::vector<int> days;
        for (const MonthIndexEntry& entry : Build(c.month, c.year, {c.line}, c.showGhost).entries) {
            days.push_back(entry.day);
        }
        EXPECT_EQ(days, c.days);
    }
}

TEST(BuildMonthIndexTest, ACutNeverSplitsACharacter) {
    const std::string accented = "\xc3\xa9";  // "e" with an acute accent, two bytes
    std::string text;
    for (int i = 0; i < 130; ++i) text += accented;
    const MonthIndex index = Build(3, 2005, {At(2005, 3, 3, "11012,0,1430,00000000," + text)}, 2);
    ASSERT_EQ(index.Count(), 5u);
    EXPECT_EQ(index.entries[0].text, text.substr(0, 2 * 128));
    EXPECT_EQ(index.entries[1].text, "[" + text.substr(0, 2 * 126) + "]");
}

TEST(AppendMonthHolidaysTest, HolidaysGoAfterTheRecords) {
    MonthIndex index = Build(12, 2005, {At(2005, 12, 31, "10000,0,9999,00000000,Party")}, 2);
    AppendMonthHolidays(index, {{25, "Christmas"}});
    ASSERT_EQ(index.Count(), 2u);
    EXPECT_EQ(index.entries[1].day, 25);
    EXPECT_EQ(index.entries[1].type, kHolidayType);
    EXPECT_EQ(index.entries[1].text, "Christmas");
}

}  // namespace
}  // namespace orvanto
