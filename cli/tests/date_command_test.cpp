// End-to-end tests of "orvanto-cli date": the built program's output for a date.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "cli_run.h"

namespace {

namespace fs = std::filesystem;
using orvanto::test::CliRun;
using orvanto::test::TempFolder;

class DateCommandTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_FALSE(dir_.empty()); }

    CliRun RunCli(const std::vector<std::string>& args) const {
        return orvanto::test::RunCli(dir_, "date", args);
    }

    TempFolder folder_{"orvanto-date"};
    fs::path dir_ = folder_.Path();
};

TEST_F(DateCommandTest, FirstOfJanuary2000) {
    const CliRun run = RunCli({"2000-01-01"});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out,
              "DayNumber: 730563\n"
              "WeekdayOf: 6 (Saturday)\n"
              "Week (weeks from Sunday): 1\n"
              "Week (weeks from Monday): 1\n"
              "IsoWeekNumber: 52\n"
              "Day of year: 1\n"
              "Days left in year: 365\n");
    EXPECT_EQ(run.err, "");
}

TEST_F(DateCommandTest, WeekStartsDifferOnASunday) {
    // 1 January 2023 is a Sunday: the Monday week starts a day later.
    const CliRun run = RunCli({"2023-01-08"});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out,
              "DayNumber: 738971\n"
              "WeekdayOf: 0 (Sunday)\n"
              "Week (weeks from Sunday): 2\n"
              "Week (weeks from Monday): 2\n"
              "IsoWeekNumber: 1\n"
              "Day of year: 8\n"
              "Days left in year: 357\n");
    EXPECT_NE(RunCli({"2023-01-02"})
                  .out.find("Week (weeks from Sunday): 1\n"
                            "Week (weeks from Monday): 2\n"),
              std::string::npos);
}

TEST_F(DateCommandTest, FirstOfMarch1900CountsAsInALeapYear) {
    const CliRun run = RunCli({"1900-03-01"});
    EXPECT_EQ(run.status, 0);
    EXPECT_NE(run.out.find("DayNumber: 694098\n"), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("Day of year: 61\n"), std::string::npos) << run.out;
}

TEST_F(DateCommandTest, EdgesOfTheSupportedRange) {
    EXPECT_EQ(RunCli({"1753-01-01"}).status, 0);
    EXPECT_EQ(RunCli({"2078-12-31"}).status, 0);
    EXPECT_NE(RunCli({"2078-12-31"}).out.find("Days left in year: 0\n"), std::string::npos);
}

TEST_F(DateCommandTest, BadArgumentsGiveAOneLineUsageError) {
    const std::vector<std::vector<std::string>> cases = {
        {},
        {"1752-12-31"},
        {"2079-01-01"},
        {"1900-02-29"},
        {"2023-04-31"},
        {"2023-13-01"},
        {"2023-00-10"},
        {"2023-1-5"},
        {"20230105"},
        {"2023-01-05x"},
        {"+023-01-05"},
        {"2023-01-05", "extra"},
        {"2023/01/05"},
        {""},
    };
    for (const auto& args : cases) {
        const CliRun run = RunCli(args);
        const std::string shown = args.empty() ? "(none)" : args[0];
        EXPECT_EQ(run.status, 2) << shown;
        EXPECT_EQ(run.out, "") << shown;
        ASSERT_FALSE(run.err.empty()) << shown;
        EXPECT_EQ(run.err.rfind("orvanto-cli date: ", 0), 0u) << run.err;
        EXPECT_EQ(run.err.find('\n'), run.err.size() - 1) << run.err;
    }
}

}  // namespace
