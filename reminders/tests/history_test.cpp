#include "reminders/history.h"

#include <gtest/gtest.h>

#include "reminders/tests/reminder_test_support.h"

namespace orvanto {
namespace {

using test::ReadText;
using test::ReminderTempFolder;

TEST(AppendHistoryTest, HeaderLineOnCreationThenOneLineEach) {
    ReminderTempFolder folder;
    const std::string path = folder.File("history.txt");
    EXPECT_TRUE(AppendHistory(path, "first"));
    EXPECT_TRUE(AppendHistory(path, "second"));
    EXPECT_EQ(ReadText(path), std::string(kHistoryHeader) + "\nfirst\nsecond\n");
    EXPECT_EQ(std::string(kHistoryHeader).substr(0, 24), "-- DATE -- -TIME-  AL  -");
}

TEST(AppendHistoryTest, AFileThatCannotBeWrittenDropsTheLine) {
    ReminderTempFolder folder;
    EXPECT_FALSE(AppendHistory(folder.File("missing/folder/history.txt"), "line"));
    EXPECT_TRUE(AppendHistory("", "no history file"));
}

}  // namespace
}  // namespace orvanto
