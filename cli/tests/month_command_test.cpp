// End-to-end tests of "orvanto-cli month": the built program against settings
// files in a temporary folder.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "cli_run.h"

namespace {

namespace fs = std::filesystem;
using orvanto::test::CliRun;
using orvanto::test::TempFolder;

// DayNumber of some dates of the tests.
constexpr int k3March2005 = 732451;
constexpr int k25December2005 = 732748;

class MonthCommandTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_FALSE(dir_.empty()); }

    CliRun RunCli(const std::vector<std::string>& args) const {
        return orvanto::test::RunCli(dir_, "month", args, std::nullopt, "LC_ALL=C");
    }

    std::string WriteSettings(const std::string& content) const {
        const fs::path path = dir_ / "ORVANTO.INI";
        std::ofstream(path, std::ios::binary) << content;
        return path.string();
    }

    TempFolder folder_{"orvanto-month"};
    fs::path dir_ = folder_.Path();
};

TEST_F(MonthCommandTest, StoredAndCalculatedOccurrencesThenHolidays) {
    const std::string settings = WriteSettings(
        "[Settings]\nShowGhost=1\nInBrackets=1\nShowThanks=0\nEasterRelated=0\n\n[Reminders]\n" +
        std::to_string(k3March2005) + "/0=11012,0,1430,4CDF0000,Gym\n" + std::to_string(k25December2005) +
        "/0=21010,0,9999,00000000,Christmas party\n");
    const CliRun march = RunCli({"2005", "3", "--settings", settings});
    EXPECT_EQ(march.status, 0) << march.err;
    EXPECT_EQ(march.out,
              "3\t1\t1\t0\t719679\tGym (14:30)\n"
              "10\t1\t1\t2\t719679\t[Gym (14:30)]\n"
              "17\t1\t1\t2\t719679\t[Gym (14:30)]\n"
              "24\t1\t1\t2\t719679\t[Gym (14:30)]\n"
              "31\t1\t1\t2\t719679\t[Gym (14:30)]\n"
              "27\t2\t0\t0\t0\tEaster\n");

    const CliRun december = RunCli({"2006", "12", "--settings", settings});
    EXPECT_EQ(december.status, 0);
    EXPECT_NE(december.out.find("25\t2\t0\t0\t0\t[Christmas party]\n"), std::string::npos);
    EXPECT_NE(december.out.find("25\t2\t0\t0\t0\tChristmas\n"), std::string::npos);
}

TEST_F(MonthCommandTest, BadArgumentsAreUsageErrors) {
    for (const auto& args : std::vector<std::vector<std::string>>{{},
                                                                  {"2005"},
                                                                  {"1752", "1"},
                                                                  {"2005", "13"},
                                                                  {"2005", "x"},
                                                                  {"2005", "1", "--settings"},
                                                                  {"2005", "1", "--bogus"}}) {
        const CliRun run = RunCli(args);
        EXPECT_EQ(run.status, 2);
        EXPECT_EQ(run.err.rfind("orvanto-cli month: ", 0), 0u) << run.err;
    }
}

TEST_F(MonthCommandTest, AMissingSettingsFileGivesTheHolidaysOnly) {
    const CliRun run = RunCli({"2005", "12", "--settings", (dir_ / "none.ini").string()});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, "25\t2\t0\t0\t0\tChristmas\n");
    EXPECT_FALSE(fs::exists(dir_ / "none.ini"));
}

}  // namespace
