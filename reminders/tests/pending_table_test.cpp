#include "reminders/pending_table.h"

#include <gtest/gtest.h>

#include "reminders/date_steps.h"
#include "reminders/tests/reminder_test_support.h"

namespace orvanto {
namespace {

std::string At(int date, char sequence, const std::string& value) {
    return std::to_string(date) + "/" + sequence + "=" + value;
}

TEST(BuildPendingTableTest, CountsTodayAheadDoneAndOtherDays) {
    const int today = DayNumber(2026, 12, 11);
    const ReminderLines lines = {
        At(today, '0', "10000,0,1500,00000000,Later today"),
        At(today, '1', "10000,0,0800,00000000,This morning"),
        At(today, '2', "10000,0,9999,00000000,All day"),
        At(today - 3, '0', "10000,0,9999,00000000,Missed"),
        At(today + 2, '0', "10000,3,9999,00000000,Warned"),
        At(today + 5, '0', "10000,3,9999,00000000,Not yet"),
        At(today, '3', "21010,0,9999,00000000,Holiday"),
        At(today, '4', "30000,0,9999,00000000,Bookmark"),
        At(today, '5', "10000,,1500,00000000,no form"),
    };
    const PendingTable table = BuildPendingTable(today, 12 * 60 * kMsPerMinute, lines);
    EXPECT_EQ(table.EntryCount(), 5);
    EXPECT_EQ(table.pendingCount, 1);
    EXPECT_EQ(table.todayDoneCount, 2);
    EXPECT_EQ(table.otherCount, 2);
    EXPECT_EQ(table.entries[0].text, "Missed");
    const auto later = std::find_if(table.entries.begin(), table.entries.end(),
                                    [](const PendingEntry& e) { return e.text == "Later today"; });
    ASSERT_NE(later, table.entries.end());
    EXPECT_TRUE(later->active);
    EXPECT_EQ(later->timeMs, 15 * 60 * kMsPerMinute);
    EXPECT_EQ(later->startLimit, "00000000");
}

TEST(BuildPendingTableTest, HoldsNoMoreThanThirtySixEntries) {
    const int today = DayNumber(2026, 12, 11);
    ReminderLines lines;
    for (int day = 0; day < 3; ++day) {
        for (char c : kSequenceCharacters) lines.push_back(At(today - day, c, "10000,0,9999,00000000,x"));
    }
    const PendingTable table = BuildPendingTable(today, 0, lines);
    EXPECT_EQ(table.EntryCount(), 36);
    EXPECT_EQ(table.entries.front().date, today - 2);
}

TEST(PendingTextTest, CountWordsAndDateOrder) {
    const int date = DayNumber(2005, 12, 25);
    EXPECT_EQ(PendingText(date, 0, 1), " 12/25/2005 (No pending events)");
    EXPECT_EQ(PendingText(date, 1, 2), " 25/12/2005 (1 pending event)");
    EXPECT_EQ(PendingText(date, 2, 1), " 12/25/2005 (2 pending events)");
}

}  // namespace
}  // namespace orvanto
