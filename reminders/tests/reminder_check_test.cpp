#include "reminders/reminder_check.h"

#include <fstream>
#include <sstream>

#include <gtest/gtest.h>

#include "reminders/history.h"
#include "reminders/tests/reminder_test_support.h"

namespace orvanto {
namespace {

using test::At;
using test::ReadText;
using test::ReminderSection;
using test::ReminderTempFolder;
using test::Serial;
using test::ServicesFixture;
using test::SettingsText;
using test::WriteText;

const int kToday = DayNumber(2026, 12, 11);

class ReminderCheckTest : public ::testing::Test {
protected:
    void WriteSettings(const std::vector<std::string>& settings, const std::vector<std::string>& reminders) {
        std::vector<std::string> all = {"DateFormat=1", "HistoryFile=" + folder.File("history.txt")};
        all.insert(all.end(), settings.begin(), settings.end());
        WriteText(path, SettingsText(all, reminders));
    }

    ReminderTempFolder folder;
    std::string path = folder.File("orvanto.ini");
    ServicesFixture fixture;
};

TEST_F(ReminderCheckTest, FiresAtTheTickThatReachesItsTimeNeverBefore) {
    WriteSettings({}, {At(kToday, '0', "10000,0,1430,00000000,Dentist")});
    fixture.clock.SetLocal(Serial(2026, 12, 11, 14, 29, 58));
    int pendingChanges = 0;
    ReminderCheckHooks hooks;
    hooks.pendingChanged = [&](const PendingTable&) { ++pendingChanges; };
    ReminderCheck check(path, fixture.services, TimeStyle{}, hooks);
    EXPECT_EQ(check.Table().pendingCount, 1);

    check.Tick();
    fixture.clock.AdvanceSeconds(1);  // 14:29:59
    check.Tick();
    EXPECT_TRUE(fixture.prompt.Popups().empty());

    fixture.clock.AdvanceSeconds(1);  // 14:30:00
    check.Tick();
    ASSERT_EQ(fixture.prompt.Popups().size(), 1u);
    const ReminderPopupRequest& popup = fixture.prompt.Popups()[0];
    EXPECT_EQ(popup.captionLabel, "Unique Reminder");
    EXPECT_EQ(popup.memoText, "\nDentist  ");
    EXPECT_EQ(popup.keepCaption, "&Keep reminder");
    EXPECT_FALSE(popup.keepChecked);
    EXPECT_EQ(popup.fontSize, 10);
    EXPECT_TRUE(popup.fontBold);
    EXPECT_EQ(fixture.sound.played, std::vector<std::string>{"beep"});

    // Consumed: gone from the file, logged, and the table rebuilt.
    EXPECT_TRUE(ReminderSection(path).empty());
    EXPECT_NE(ReadText(folder.File("history.txt")).find("Dentist"), std::string::npos);
    EXPECT_EQ(check.Table().EntryCount(), 0);
    EXPECT_EQ(pendingChanges, 1);

    fixture.clock.AdvanceSeconds(1);
    check.Tick();
    EXPECT_EQ(fixture.prompt.Popups().size(), 1u);
}

TEST_F(ReminderCheckTest, KeptReminderDoesNotFireAgainBeforeTheNextRebuild) {
    WriteSettings({}, {At(kToday, '0', "10000,0,2359,00000000,Late")});
    fixture.clock.SetLocal(Serial(2026, 12, 11, 23, 58, 59));
    fixture.prompt.QueuePopupAnswer({true, 0});
    ReminderCheck check(path, fixture.services, TimeStyle{});
    for (int second = 0; second < 40; ++second) {
        fixture.clock.AdvanceSeconds(1);
        check.Tick();
    }
    EXPECT_EQ(fixture.prompt.Popups().size(), 1u);
    EXPECT_EQ(ReminderSection(path).size(), 1u);
}

TEST_F(ReminderCheckTest, WarnAgainMakesACopyAndMovesARepeatingRecord) {
    WriteSettings({}, {At(kToday, '0', "11012,0,1430,00000000,Standup")});
    fixture.clock.SetLocal(Serial(2026, 12, 11, 14, 29, 59));
    ReminderCheck check(path, fixture.services, TimeStyle{});
    fixture.prompt.QueuePopupAnswer({false, 5});
    fixture.clock.SetLocal(Serial(2026, 12, 11, 14, 30, 40));
    check.Tick();
    const std::vector<std::string> expected = {At(kToday, '0', "10000,0,1435,00000000,Standup"),
                                               At(kToday + 7, '0', "11012,0,1430,00000000,Standup")};
    EXPECT_EQ(ReminderSection(path), expected);
    EXPECT_EQ(check.Table().pendingCount, 1);
}

TEST_F(ReminderCheckTest, DelayResKeepsTheRecord) {
    WriteSettings({"DelayRes=1"}, {At(kToday, '0', "11013,0,1430,00000000,Pills")});
    fixture.clock.SetLocal(Serial(2026, 12, 11, 14, 29, 59));
    ReminderCheck check(path, fixture.services, TimeStyle{});
    fixture.clock.AdvanceSeconds(1);
    check.Tick();
    ASSERT_EQ(fixture.prompt.Popups().size(), 1u);
    EXPECT_TRUE(fixture.prompt.Popups()[0].keepChecked);
    EXPECT_EQ(ReminderSection(path),
              std::vector<std::string>{At(kToday, '0', "11013,0,1430,00000000,Pills")});
}

TEST_F(ReminderCheckTest, AtMidnightTheNewDaysRemindersAndWarningsPopUp) {
    WriteSettings({}, {At(kToday + 1, '0', "10000,0,9999,00000000,New day"),
                       At(kToday + 3, '0', "11010,3,9999,4CDF0000,Birthday"),
                       At(kToday + 1, '1', "10000,0,0900,00000000,Morning")});
    fixture.clock.SetLocal(Serial(2026, 12, 11, 23, 59, 59));
    std::vector<int> dates;
    ReminderCheckHooks hooks;
    hooks.dateChanged = [&](int today) { dates.push_back(today); };
    ReminderCheck check(path, fixture.services, TimeStyle{}, hooks);
    check.Tick();
    EXPECT_TRUE(fixture.prompt.Popups().empty());
    fixture.clock.AdvanceSeconds(1);
    check.Tick();
    EXPECT_EQ(dates, std::vector<int>{kToday + 1});
    ASSERT_EQ(fixture.prompt.Popups().size(), 2u);
    EXPECT_EQ(fixture.prompt.Popups()[0].memoText, "\nNew day  ");
    const ReminderPopupRequest& warning = fixture.prompt.Popups()[1];
    EXPECT_EQ(warning.memoText.substr(0, 16), "Just 2 days for\n");
    EXPECT_EQ(warning.memoText.substr(16, 10), "Birthday  ");
    EXPECT_EQ(warning.keepCaption, "&Reschedule now!");
    EXPECT_EQ(warning.fontSize, 10);
    EXPECT_EQ(warning.captionLabel, "Reminder every 1 year");
    // The new day's untimed reminder was consumed; the warning left as it is.
    EXPECT_EQ(ReminderSection(path),
              (std::vector<std::string>{At(kToday + 1, '0', "10000,0,0900,00000000,Morning"),
                                        At(kToday + 3, '0', "11010,3,9999,4CDF0000,Birthday")}));
}

TEST_F(ReminderCheckTest, MissedReminderAtDateChangeAndItsOutcomes) {
    WriteSettings({}, {At(kToday - 2, '0', "10000,0,9999,00000000,Old"),
                       At(kToday - 2, '1', "10000,0,9999,00000000,Older kept")});
    fixture.clock.SetLocal(Serial(2026, 12, 10, 23, 59, 59));
    ReminderCheck check(path, fixture.services, TimeStyle{});
    fixture.prompt.QueuePopupAnswer({false, 0});
    fixture.prompt.QueuePopupAnswer({true, 0});
    fixture.clock.AdvanceSeconds(1);
    check.Tick();
    ASSERT_EQ(fixture.prompt.Popups().size(), 2u);
    EXPECT_EQ(fixture.prompt.Popups()[0].memoText, "Missed reminder on 12/09/26:\nOld  ");
    EXPECT_EQ(fixture.prompt.Popups()[0].fontSize, 8);
    EXPECT_EQ(ReminderSection(path),
              std::vector<std::string>{At(kToday - 2, '0', "10000,0,9999,00000000,Older kept")});
}

TEST_F(ReminderCheckTest, SimilarTextsOfOneDayAreNotMistaken) {
    WriteSettings({}, {At(kToday, '0', "10000,0,1500,00000000,Call Bob"),
                       At(kToday, '1', "10000,0,1430,00000000,Call")});
    fixture.clock.SetLocal(Serial(2026, 12, 11, 14, 29, 59));
    ReminderCheck check(path, fixture.services, TimeStyle{});
    fixture.clock.AdvanceSeconds(1);
    check.Tick();
    EXPECT_EQ(ReminderSection(path),
              std::vector<std::string>{At(kToday, '0', "10000,0,1500,00000000,Call Bob")});
}

TEST_F(ReminderCheckTest, AHistoryFileThatCannotBeWrittenNeverBlocksTheReminders) {
    WriteText(path, SettingsText({"HistoryFile=" + folder.File("no/such/folder/history.txt")},
                                 {At(kToday, '0', "11013,0,1430,00000000,Daily")}));
    fixture.clock.SetLocal(Serial(2026, 12, 11, 14, 29, 59));
    ReminderCheck check(path, fixture.services, TimeStyle{});
    fixture.clock.AdvanceSeconds(1);
    check.Tick();
    EXPECT_EQ(ReminderSection(path),
              std::vector<std::string>{At(kToday + 1, '0', "11013,0,1430,00000000,Daily")});
}

TEST_F(ReminderCheckTest, RebuildsAtSecondFiftyAndOnRequest) {
    WriteSettings({}, {});
    fixture.clock.SetLocal(Serial(2026, 12, 11, 10, 0, 48));
    ReminderCheck check(path, fixture.services, TimeStyle{});
    EXPECT_EQ(check.Table().EntryCount(), 0);
    IniFile(path).WriteString("Reminders", std::to_string(kToday) + "/0", "10000,0,1100,00000000,Added");
    fixture.clock.AdvanceSeconds(1);
    check.Tick();
    EXPECT_EQ(check.Table().EntryCount(), 0);
    fixture.clock.AdvanceSeconds(1);  // second 50
    check.Tick();
    EXPECT_EQ(check.Table().pendingCount, 1);

    IniFile(path).WriteString("Reminders", std::to_string(kToday) + "/1", "10000,0,1200,00000000,More");
    check.RequestRebuild();
    fixture.clock.AdvanceSeconds(1);
    check.Tick();
    EXPECT_EQ(check.Table().pendingCount, 2);
}

TEST_F(ReminderCheckTest, ALineChangedMeanwhileStillPopsUpAndIsLeftAlone) {
    WriteSettings({}, {At(kToday, '0', "10000,0,1430,00000000,Dentist")});
    fixture.clock.SetLocal(Serial(2026, 12, 11, 14, 29, 59));
    ReminderCheck check(path, fixture.services, TimeStyle{});
    WriteSettings({}, {At(kToday, '0', "10000,0,1430,00000000,Dentist moved to Friday")});
    const std::string before = test::ReadText(path);
    fixture.clock.AdvanceSeconds(1);
    check.Tick();
    EXPECT_EQ(fixture.prompt.Popups().size(), 1u);
    EXPECT_EQ(test::ReadText(path), before);
}

// A prompt whose popup runs the check again, as a timer firing while the
// popup waits for the user would.
class ReenteringPrompt : public ScriptedPrompt {
public:
    ReminderPopupAnswer Popup(const ReminderPopupRequest& request) override {
        if (check != nullptr) check->Tick();
        return ScriptedPrompt::Popup(request);
    }
    ReminderCheck* check = nullptr;
};

TEST_F(ReminderCheckTest, ATickWhileAPopupIsOpenDoesNothing) {
    WriteSettings({}, {At(kToday, '0', "10000,0,1430,00000000,First"),
                       At(kToday, '1', "10000,0,1430,00000000,Second")});
    fixture.clock.SetLocal(Serial(2026, 12, 11, 14, 29, 59));
    ReenteringPrompt prompt;
    ReminderServices services{prompt, fixture.sound, fixture.clock};
    ReminderCheck check(path, services, TimeStyle{});
    prompt.check = &check;
    fixture.clock.AdvanceSeconds(1);
    check.Tick();
    EXPECT_EQ(prompt.Popups().size(), 2u);
    EXPECT_TRUE(ReminderSection(path).empty());
}

// The number of read system calls this process has made so far.
long ReadCalls() {
    std::ifstream io("/proc/self/io");
    std::string name;
    long value = 0;
    while (io >> name >> value) {
        if (name == "syscr:") return value;
    }
    return -1;
}

TEST_F(ReminderCheckTest, AQuietTickReadsNoFile) {
    std::vector<std::string> lines;
    for (int i = 0; i < 30; ++i) lines.push_back(At(kToday + 40 + i, '0', "10000,0,1200,00000000,Later"));
    lines.push_back(At(kToday, '0', "10000,0,2300,00000000,Tonight"));
    WriteSettings({}, lines);
    fixture.clock.SetLocal(Serial(2026, 12, 11, 10, 0, 10));
    int ticksSeen = 0;
    ReminderCheckHooks hooks;
    hooks.clockLabel = [&] { ++ticksSeen; };
    ReminderCheck check(path, fixture.services, TimeStyle{}, hooks);
    const long baseline = ReadCalls();
    const long overhead = ReadCalls() - baseline;
    const long before = ReadCalls();
    for (int i = 0; i < 30; ++i) {
        fixture.clock.AdvanceSeconds(1);
        check.Tick();
    }
    const long after = ReadCalls();
    if (before < 0) GTEST_SKIP() << "/proc/self/io is not readable here";
    EXPECT_EQ(after - before, overhead);
    EXPECT_EQ(ticksSeen, 30);
    EXPECT_TRUE(fixture.prompt.Popups().empty());
}

}  // namespace
}  // namespace orvanto
