#include "reminders/startup_pass.h"

#include <gtest/gtest.h>

#include <algorithm>

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

class StartupPassTest : public ::testing::Test {
protected:
    void SetUp() override { fixture.clock.SetLocal(Serial(2026, 12, 11, 12, 0, 0)); }

    void WriteSettings(const std::vector<std::string>& settings, const std::vector<std::string>& reminders) {
        std::vector<std::string> all = {"DateFormat=1", "HistoryFile=" + History()};
        all.insert(all.end(), settings.begin(), settings.end());
        WriteText(path, SettingsText(all, reminders));
    }

    void Run(TimeStyle style = {}) { StartupReminderPass(path, kToday, style, fixture.services); }
    std::string History() const { return folder.File("history.txt"); }
    int HistoryLines() const {
        const std::string text = ReadText(History());
        return static_cast<int>(std::count(text.begin(), text.end(), '\n')) - (text.empty() ? 0 : 1);
    }
    const std::vector<ReminderPopupRequest>& Popups() const { return fixture.prompt.Popups(); }

    ReminderTempFolder folder;
    std::string path = folder.File("orvanto.ini");
    ServicesFixture fixture;
};

TEST_F(StartupPassTest, MissedYesterdayIsShownThenErasedOrMoved) {
    WriteSettings({}, {At(kToday - 1, '0', "10000,0,9999,00000000,Call mum"),
                       At(kToday - 1, '1', "11010,0,9999,00000000,Anniversary")});
    Run();
    ASSERT_EQ(Popups().size(), 2u);
    EXPECT_EQ(Popups()[0].memoText, "Missed reminder on 12/10/26:\nCall mum  ");
    EXPECT_EQ(Popups()[0].captionLabel, "Unique Reminder");
    EXPECT_EQ(Popups()[0].keepCaption, "&Keep reminder");
    EXPECT_FALSE(Popups()[0].keepChecked);
    EXPECT_EQ(Popups()[0].fontSize, 10);
    EXPECT_EQ(ReminderSection(path), std::vector<std::string>{At(DayNumber(2027, 12, 10), '0',
                                                                 "11010,0,9999,00000000,Anniversary")});
    EXPECT_EQ(HistoryLines(), 2);
}

TEST_F(StartupPassTest, DailyMissedForDaysComesBackAsDueToday) {
    WriteSettings({}, {At(kToday - 4, '0', "11013,0,9999,00000000,Water the plants")});
    fixture.prompt.QueuePopupAnswer({false, 0});
    fixture.prompt.QueuePopupAnswer({true, 0});
    Run();
    ASSERT_EQ(Popups().size(), 2u);
    EXPECT_EQ(Popups()[0].memoText.substr(0, 19), "Missed reminder on ");
    EXPECT_EQ(Popups()[1].memoText, "\nWater the plants  ");
    EXPECT_EQ(Popups()[1].captionLabel, "Reminder every 1 day");
    EXPECT_TRUE(Popups()[1].fontBold);
    EXPECT_EQ(ReminderSection(path),
              std::vector<std::string>{At(kToday, '0', "11013,0,9999,00000000,Water the plants")});
}

TEST_F(StartupPassTest, AnOldLineOfNoFormDoesNotFillTheDayOfARescheduledSeries) {
    // A daily series missed yesterday moves onto today, where an old line of
    // no record form holds "Z": the day is not full, the series goes on, and
    // the old line stays as it was.
    WriteSettings({"IgnoreMissed=1"},
                  {At(kToday, 'Z', "10000,Call,Bob"), At(kToday - 1, '0', "11013,0,0800,00000000,Daily")});
    fixture.prompt.QueuePopupAnswer({true, 0});
    Run();
    EXPECT_TRUE(
        std::none_of(fixture.prompt.Texts().begin(), fixture.prompt.Texts().end(),
                     [](const std::string& text) { return text.find("too many") != std::string::npos; }));
    const std::vector<std::string> section = ReminderSection(path);
    EXPECT_NE(std::find(section.begin(), section.end(), At(kToday, 'Z', "10000,Call,Bob")), section.end());
    EXPECT_EQ(std::count_if(section.begin(), section.end(),
                            [](const std::string& line) { return line.find(",Daily") != std::string::npos; }),
              1);
}

TEST_F(StartupPassTest, IgnoreMissedConsumesSilentlyButLogs) {
    WriteSettings({"IgnoreMissed=1"}, {At(kToday - 3, '0', "10000,0,9999,00000000,Gone"),
                                       At(kToday - 2, '0', "11012,0,0800,00000000,Weekly"),
                                       At(kToday, '0', "10000,0,9999,00000000,Due today")});
    Run();
    ASSERT_EQ(Popups().size(), 1u);
    EXPECT_EQ(Popups()[0].memoText, "\nDue today  ");
    EXPECT_EQ(ReminderSection(path),
              std::vector<std::string>{At(kToday + 5, '0', "11012,0,0800,00000000,Weekly")});
    EXPECT_EQ(HistoryLines(), 3);
}

TEST_F(StartupPassTest, ExpireAfterShowsOnlyRecentMissedReminders) {
    WriteSettings({"ExpireAfter=3"}, {At(kToday - 4, '0', "10000,0,9999,00000000,Four days"),
                                      At(kToday - 3, '0', "10000,0,9999,00000000,Three days")});
    Run();
    ASSERT_EQ(Popups().size(), 1u);
    EXPECT_NE(Popups()[0].memoText.find("Three days"), std::string::npos);
    EXPECT_TRUE(ReminderSection(path).empty());
}

TEST_F(StartupPassTest, TimedLaterTodayIsLeftAndTheFileUntouched) {
    WriteSettings({}, {At(kToday, '0', "10000,0,1430,00000000,Later"), "0/0=10000,0,9999,00000000,zero",
                       At(kToday + 9, '0', "10000,0,9999,00000000,Far ahead")});
    const std::string before = ReadText(path);
    Run();
    EXPECT_TRUE(Popups().empty());
    EXPECT_EQ(ReadText(path), before);
}

TEST_F(StartupPassTest, TimedTodayWithItsTimePassedIsMissed) {
    WriteSettings({}, {At(kToday, '0', "10000,0,0930,00000000,Standup")});
    Run();
    ASSERT_EQ(Popups().size(), 1u);
    EXPECT_EQ(Popups()[0].memoText, "Missed reminder on 12/11/26, 09:30 hs.:\nStandup  ");
    fixture.prompt.Clear();
    WriteSettings({}, {At(kToday, '0', "10000,0,1530,00000000,Standup")});
    fixture.clock.SetLocal(Serial(2026, 12, 11, 16, 0, 0));
    Run(TimeStyle{true, "AM", "PM"});
    ASSERT_EQ(Popups().size(), 1u);
    EXPECT_EQ(Popups()[0].memoText, "Missed reminder on 12/11/26, 03:30 PM:\nStandup  ");
}

TEST_F(StartupPassTest, BookmarksStayPastHolidaysMove) {
    WriteSettings({}, {At(kToday - 30, '0', "30000,0,9999,00000000,Bookmark"),
                       At(kToday - 30, '1', "20000,0,9999,00000000,One-time holiday"),
                       At(DayNumber(2025, 12, 25), '0', "21010,0,9999,00000000,Christmas"),
                       At(kToday, '0', "20000,0,9999,00000000,Holiday today")});
    Run();
    EXPECT_TRUE(Popups().empty());
    EXPECT_EQ(
        ReminderSection(path),
        (std::vector<std::string>{At(kToday - 30, '0', "30000,0,9999,00000000,Bookmark"),
                                  At(kToday, '0', "20000,0,9999,00000000,Holiday today"),
                                  At(DayNumber(2026, 12, 25), '0', "21010,0,9999,00000000,Christmas")}));
    EXPECT_EQ(HistoryLines(), 2);
}

TEST_F(StartupPassTest, AdvanceWarningOutcomes) {
    WriteSettings({}, {At(kToday + 2, '0', "11010,3,9999,4CDF0000,Birthday"),
                       At(kToday + 1, '0', "10000,2,9999,00000000,Tomorrow"),
                       At(kToday + 2, '1', "10000,5,9999,00000000,Nothing changes")});
    fixture.prompt.QueuePopupAnswer({true, 0});    // "&Reschedule now!"
    fixture.prompt.QueuePopupAnswer({false, 30});  // warn again in 30 minutes
    fixture.prompt.QueuePopupAnswer({false, 0});
    Run();
    ASSERT_EQ(Popups().size(), 3u);
    EXPECT_EQ(Popups()[0].memoText, "Just 1 day for\nTomorrow  ");
    EXPECT_EQ(Popups()[0].keepCaption, "&Erase now!");
    EXPECT_EQ(Popups()[1].memoText.substr(0, 25), "Just 2 days for\nBirthday ");
    EXPECT_EQ(Popups()[1].keepCaption, "&Reschedule now!");
    EXPECT_FALSE(Popups()[1].fontBold);
    const auto lines = ReminderSection(path);
    EXPECT_EQ(lines,
              (std::vector<std::string>{At(kToday, '0', "10000,0,1230,4CDF0000,Just 2 days for Birthday"),
                                        At(kToday + 2, '0', "10000,5,9999,00000000,Nothing changes"),
                                        At(kToday + 2, '1', "11010,3,9999,4CDF0000,Birthday")}));
}

TEST_F(StartupPassTest, MissedWithWarnAgainCopiesAndMoves) {
    WriteSettings({}, {At(kToday - 1, '0', "11012,0,0900,00000002,Weekly")});
    fixture.prompt.QueuePopupAnswer({false, 10});
    Run();
    EXPECT_EQ(ReminderSection(path),
              (std::vector<std::string>{At(kToday, '0', "10000,0,1210,00000002,1 day from Weekly"),
                                        At(kToday + 6, '0', "11012,0,0900,00000001,Weekly")}));
}

TEST_F(StartupPassTest, LastTimeAndInvalidTimeNotes) {
    WriteSettings({}, {At(kToday - 1, '0', "11013,0,2575,00000001,Odd"),
                       At(kToday, '0', "11012,0,9999,00000001,Final")});
    Run();
    ASSERT_EQ(fixture.prompt.Log().size(), 3u);
    EXPECT_EQ(Popups()[0].memoText, "Missed reminder on 12/10/26:\nOdd  [Invalid time removed]  ");
    EXPECT_EQ(Popups()[0].captionLabel, "Reminder every 1 day - LAST TIME");
    // Rescheduling reports the invalid time of a repeating record even when
    // its count ends the series with this occurrence.
    EXPECT_EQ(fixture.prompt.Log()[1].text,
              "An invalid time has been found while rescheduling \"00000001,Odd\". The event time has been "
              "cleared.");
    EXPECT_EQ(Popups()[1].captionLabel, "Reminder every 1 week - LAST TIME");
    EXPECT_TRUE(ReminderSection(path).empty());
}

TEST_F(StartupPassTest, WriteBackDropsZeroDatesAndKeepsLinesOfNoForm) {
    WriteSettings({}, {At(kToday - 1, '0', "10000,0,9999,00000000,Old"), "0/0=10000,0,9999,00000000,zero",
                       "-7/1=10000,0,9999,00000000,negative", "abc/0=10000,0,9999,00000000,not a date",
                       At(kToday - 1, '5', "10000,,9999,00000000,empty alert")});
    Run();
    EXPECT_EQ(ReminderSection(path),
              (std::vector<std::string>{At(kToday - 1, '5', "10000,,9999,00000000,empty alert"),
                                        "abc/0=10000,0,9999,00000000,not a date"}));
}

TEST_F(StartupPassTest, AHistoryFileThatCannotBeWrittenDoesNotStopThePass) {
    WriteText(path, SettingsText({"HistoryFile=" + folder.File("missing/history.txt")},
                                 {At(kToday - 1, '0', "11013,0,9999,00000000,Daily")}));
    fixture.prompt.QueuePopupAnswer({false, 0});
    fixture.prompt.QueuePopupAnswer({true, 0});
    Run();
    EXPECT_EQ(ReminderSection(path),
              std::vector<std::string>{At(kToday, '0', "11013,0,9999,00000000,Daily")});
}

TEST_F(StartupPassTest, PlaysTheSoundFileWithRetriesElseTheBeep) {
    const std::string wave = folder.File("alarm.wav");
    WriteText(wave, "RIFF");
    WriteSettings({"WaveFile=" + wave}, {At(kToday, '0', "10000,0,9999,00000000,Today")});
    fixture.sound.fileAttemptsFailing = 2;
    std::vector<int> waits;
    fixture.services.wait = [&](int ms) { waits.push_back(ms); };
    Run();
    EXPECT_EQ(fixture.sound.played, std::vector<std::string>(3, "file:" + wave));
    EXPECT_EQ(waits, (std::vector<int>{500, 500}));

    fixture.sound.played.clear();
    fixture.sound.fileAttemptsFailing = 100;
    WriteSettings({"WaveFile=" + wave}, {At(kToday, '0', "10000,0,9999,00000000,Today")});
    Run();
    EXPECT_EQ(fixture.sound.played.size(), 12u);
    EXPECT_EQ(fixture.sound.played.back(), "beep");
}

// A prompt that takes the settings file's folder away while a popup is open.
class FolderRemovingPrompt : public ScriptedPrompt {
public:
    explicit FolderRemovingPrompt(std::string folder) : folder_(std::move(folder)) {}
    ReminderPopupAnswer Popup(const ReminderPopupRequest& request) override {
        std::filesystem::remove_all(folder_);
        return ScriptedPrompt::Popup(request);
    }

private:
    std::string folder_;
};

TEST(StartupPassFailureTest, ASettingsFileThatCannotBeWrittenIsReported) {
    ReminderTempFolder folder;
    const std::string inner = folder.File("settings");
    std::filesystem::create_directory(inner);
    const std::string path = inner + "/orvanto.ini";
    WriteText(path, SettingsText({}, {At(kToday - 1, '0', "10000,0,9999,00000000,Old")}));
    FolderRemovingPrompt prompt(inner);
    test::RecordingSound sound;
    FakeClock clock(Serial(2026, 12, 11, 12, 0, 0));
    ReminderServices services{prompt, sound, clock};
    StartupReminderPass(path, kToday, TimeStyle{}, services);
    ASSERT_EQ(prompt.Log().size(), 2u);
    EXPECT_EQ(prompt.Log()[1].messageKind, MessageKind::Error);
    EXPECT_EQ(prompt.Log()[1].text.rfind("Unable to write to ", 0), 0u) << prompt.Log()[1].text;
}

}  // namespace
}  // namespace orvanto
