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
    // Birthday: keep ("Reschedule now!"). Warned again, due today: ok.
    const CliRun run = Check("keep\nwarn 30\nfoo\nnokeep\nkeep\nok\n");
    EXPECT_EQ(run.status, 0);
    EXPECT_NE(run.out.find("Just 2 days for\nBirthday  \n[ ] Reschedule now!\n"), std::string::npos)
        << run.out;
    EXPECT_NE(run.err.find("answer ok, keep, nokeep or warn N"), std::string::npos);
    EXPECT_EQ(Reminders(), Record(kToday - 1, '0', "10000,0,9999,00000000,Kept") +
                               Record(kToday, '0', "10000,0,1230,00000000,1 day from Warned") +
                               Record(kToday + 1, '0', "11013,0,9999,00000000,Warned") +
                               Record(kToday + 367, '0', "11010,3,9999,00000000,Birthday"));
}

TEST_F(CheckCommandTest, NothingDueLeavesTheFileAsItWas) {
    WriteSettings(Record(kToday, '0', "10000,0,1430,00000000,Later today") +
                  "0/0=10000,0,9999,00000000,zero\n");
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

// Nobody saw a popup that the end of input answers: every record stays as it
// was, whatever its box reads, and the file is not rewritten.
TEST_F(CheckCommandTest, EndOfInputLeavesEveryRecordUntouched) {
    const std::string reminders = Record(kToday - 3, '0', "10000,0,9999,00000000,Missed one-time") +
                                  Record(kToday - 1, '0', "11013,0,9999,00000000,Missed daily") +
                                  Record(kToday, '0', "10000,0,0930,00000000,Passed today") +
                                  Record(kToday, '1', "10000,0,9999,00000000,Untimed today") +
                                  Record(kToday + 2, '0', "11010,3,9999,00000000,Birthday") +
                                  Record(kToday + 1, '0', "10000,2,9999,00000000,Dentist");
    WriteSettings(reminders);
    const std::string before = ReadFile(settings_);
    struct Case {
        const char* name;
        std::string input;
    };
    for (const Case& c : {Case{"no input", ""}, Case{"one answer, then the end", "keep\n"},
                          Case{"a last line without its line feed", "keep"}}) {
        SCOPED_TRACE(c.name);
        WriteSettings(reminders);
        const CliRun run = Check(c.input);
        EXPECT_EQ(run.status, 0) << run.err;
        EXPECT_EQ(ReadFile(settings_), before);
        EXPECT_FALSE(std::filesystem::exists(dir_ / "history.txt"));
    }
    const CliRun run = Check("");
    // Six popups, each one ended by the end of input.
    std::size_t count = 0;
    for (std::size_t at = run.out.find("End of input: the reminder stays as it is\n");
         at != std::string::npos; at = run.out.find("End of input", at + 1)) {
        ++count;
    }
    EXPECT_EQ(count, 6u) << run.out;
}

// "--answer" answers every popup without reading standard input.
TEST_F(CheckCommandTest, AnswerOptionAnswersEveryPopup) {
    const std::string missed = Record(kToday - 1, '0', "10000,0,9999,00000000,Missed");
    const std::string daily = Record(kToday - 1, '1', "11013,0,9999,00000000,Daily");
    const std::string birthday = Record(kToday + 2, '0', "11010,3,9999,00000000,Birthday");
    const std::string dentist = Record(kToday + 1, '0', "10000,2,9999,00000000,Dentist");
    // The file as rewritten after the missed records were consumed, sorted
    // and renumbered.
    const std::string consumed = dentist + Record(kToday + 1, '1', "11013,0,9999,00000000,Daily") + birthday;
    struct Case {
        std::string answer;
        std::string extra;      // settings lines
        std::string reminders;  // the section afterwards
    };
    const Case cases[] = {
        // The records stay; the advance warnings' "Reschedule now!" and
        // "Erase now!" stay unticked.
        {"keep", "", missed + daily + birthday + dentist},
        // Missed records are consumed (the daily one also at its new date,
        // today); advance warnings stay.
        {"nokeep", "", consumed},
        // OK with the boxes as shown: the same as nokeep without "DelayRes".
        {"ok", "", consumed},
        // With "DelayRes" the keep boxes of missed and due popups start ticked.
        {"ok", "DelayRes=1\n", missed + daily + birthday + dentist},
        {"nokeep", "DelayRes=1\n", consumed},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.answer + " " + c.extra);
        WriteSettings(missed + daily + birthday + dentist, c.extra);
        // Lines on standard input are not read.
        const CliRun run =
            RunCli({"--settings", settings_, "--today", "2026-12-11", "--now", "12:00", "--answer", c.answer},
                   "keep\nkeep\nkeep\nkeep\nkeep\n");
        EXPECT_EQ(run.status, 0) << run.err;
        EXPECT_NE(run.out.find("Answered: " + c.answer + "\n"), std::string::npos) << run.out;
        EXPECT_EQ(run.out.find("End of input"), std::string::npos) << run.out;
        EXPECT_EQ(Reminders(), c.reminders);
    }
}

TEST_F(CheckCommandTest, BadArgumentsAreUsageErrors) {
    for (const auto& args : std::vector<std::vector<std::string>>{{"--answer", "yes"},
                                                                  {"--answer", "warn 5"},
                                                                  {"--answer"},
                                                                  {"--today", "2026-13-01"},
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
