// End-to-end tests of "orvanto-cli check": the start-up reminder pass run by
// the built program over a settings file in a temporary folder, answered on
// standard input.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "cli_run.h"

namespace {

namespace fs = std::filesystem;
using orvanto::test::CliRun;
using orvanto::test::ReadFile;
using orvanto::test::TempFolder;

// DayNumber of 11 December 2026, the "today" of these tests.
constexpr int kToday = 740404;

std::string Record(int date, char sequence, const std::string& value) {
    return std::to_string(date) + "/" + sequence + "=" + value + "\n";
}

class CheckCommandTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_FALSE(dir_.empty());
        settings_ = (dir_ / "ORVANTO.INI").string();
    }

    CliRun RunCli(const std::vector<std::string>& args, const std::string& input) const {
        return orvanto::test::RunCli(dir_, "check", args, input, "LC_ALL=C");
    }

    CliRun Check(const std::string& input, const std::string& now = "12:00") const {
        return RunCli({"--settings", settings_, "--today", "2026-12-11", "--now", now}, input);
    }

    void WriteSettings(const std::string& reminders, const std::string& extra = "") const {
        std::ofstream(settings_, std::ios::binary)
            << "[Settings]\nDateFormat=1\nHistoryFile=" << (dir_ / "history.txt").string() << "\n"
            << extra << "\n[Reminders]\n"
            << reminders;
    }

    std::string Reminders() const {
        const std::string text = ReadFile(settings_);
        return text.substr(text.find("[Reminders]\n") + 12);
    }

    TempFolder folder_{"orvanto-check"};
    fs::path dir_ = folder_.Path();
    std::string settings_;
};

TEST_F(CheckCommandTest, MissedReminderIsPrintedAndErasedOnOk) {
    WriteSettings(Record(kToday - 1, '0', "10000,0,9999,00000000,Call mum") + "garbage=kept as it is\n");
    const CliRun run = Check("\n");
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out,
              "Orvanto reminder: Unique Reminder\n"
              "Missed reminder on 12/10/26:\n"
              "Call mum  \n"
              "[ ] Keep reminder\n"
              "Answer: ok, keep, nokeep or warn N\n\n");
    EXPECT_EQ(Reminders(), "garbage=kept as it is\n");
    EXPECT_NE(ReadFile(dir_ / "history.txt").find("12/10/2026  --:--"), std::string::npos);
}

TEST_F(CheckCommandTest, EveryAnswer) {
    WriteSettings(Record(kToday - 1, '0', "10000,0,9999,00000000,Kept") +
                  Record(kToday - 1, '1', "11013,0,9999,00000000,Warned") +
                  Record(kToday + 2, '0', "11010,3,9999,00000000,Birthday") +
                  Record(kToday, '0', "10000,0,9999,00000000,Today"));
    // Kept: keep. Warned: warn 30 (a copy for 12:30, the next occurrence
    // today). Today: an answer of no form is asked again, then nokeep.
    // Birthday: keep ("Reschedule now!"). Warned again, due today: end of
    // input, ok.
    const CliRun run = Check("keep\nwarn 30\nfoo\nnokeep\nkeep\n");
    EXPECT_EQ(run.status, 0);
    EXPECT_NE(run.out.find("Just 2 days for\nBirthday  \n[ ] Reschedule now!\n"), std::string::npos) << run.out;
    EXPECT_NE(run.err.find("answer ok, keep, nokeep or warn N"), std::string::npos);
    EXPECT_EQ(Reminders(), Record(kToday - 1, '0', "10000,0,9999,00000000,Kept") +
                               Record(kToday, '0', "10000,0,1230,00000000,1 day from Warned") +
                               Record(kToday + 1, '0', "11013,0,9999,00000000,Warned") +
                               Record(kToday + 367, '0', "11010,3,9999,00000000,Birthday"));
}

TEST_F(CheckCommandTest, NothingDueLeavesTheFileAsItWas) {
    WriteSettings(Record(kToday, '0', "10000,0,1430,00000000,Later today") + "0/0=10000,0,9999,00000000,zero\n");
    const std::string before = ReadFile(settings_);
    const CliRun run = Check("");
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(ReadFile(settings_), before);
}

TEST_F(CheckCommandTest, DelayResStartsWithTheKeepBoxTicked) {
    WriteSettings(Record(kToday, '0', "10000,0,0930,00000000,Standup"), "DelayRes=1\n");
    const CliRun run = Check("");
    EXPECT_NE(run.out.find("Missed reminder on 12/11/26, 09:30 hs.:\nStandup  \n[x] Keep reminder\n"),
              std::string::npos)
        << run.out;
    EXPECT_EQ(Reminders(), Record(kToday, '0', "10000,0,0930,00000000,Standup"));
}

TEST_F(CheckCommandTest, BadArgumentsAreUsageErrors) {
    for (const auto& args : std::vector<std::vector<std::string>>{{"--today", "2026-13-01"},
                                                                  {"--today", "11/12/2026"},
                                                                  {"--now", "25:00"},
                                                                  {"--now"},
                                                                  {"extra"}}) {
        const CliRun run = RunCli(args, "");
        EXPECT_EQ(run.status, 2);
        EXPECT_EQ(run.err.rfind("orvanto-cli check: ", 0), 0u) << run.err;
    }
}

}  // namespace
