// End-to-end tests of "orvanto-cli holidays": the built program against
// settings files in a temporary folder.
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

class HolidaysCommandTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_FALSE(dir_.empty()); }

    CliRun RunCli(const std::vector<std::string>& args) const {
        return orvanto::test::RunCli(dir_, "holidays", args);
    }

    std::string WriteSettings(const std::string& content) const {
        const fs::path path = dir_ / "ORVANTO.INI";
        std::ofstream(path, std::ios::binary) << content;
        return path.string();
    }

    TempFolder folder_{"orvanto-holidays"};
    fs::path dir_ = folder_.Path();
};

constexpr const char* k2024WithDefaults =
    "2024-02-14\tAsh Wednesday\n"
    "2024-03-24\tPalm Sunday\n"
    "2024-03-28\tMaundy Thursday\n"
    "2024-03-29\tGood Friday\n"
    "2024-03-30\tHoly Saturday\n"
    "2024-03-31\tEaster\n"
    "2024-04-01\tEaster Monday\n"
    "2024-11-28\tThanks Giving Day\n"
    "2024-12-25\tChristmas\n";

TEST_F(HolidaysCommandTest, WithoutSettingsUsesTheReadDefaults) {
    const CliRun run = RunCli({"2024"});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, k2024WithDefaults);
    EXPECT_EQ(run.err, "");
}

TEST_F(HolidaysCommandTest, MissingSettingsFileOrKeysGiveTheReadDefaults) {
    EXPECT_EQ(RunCli({"2024", "--settings", (dir_ / "none.ini").string()}).out, k2024WithDefaults);
    const std::string path = WriteSettings("[Settings]\nDateFormat=1\n[Colors]\nShowPesach=1\n");
    EXPECT_EQ(RunCli({"--settings", path, "2024"}).out, k2024WithDefaults);
}

TEST_F(HolidaysCommandTest, SettingsNameFollowsTheProgramsPathRule) {
    // The calendar takes "cal.txt" as cal.INI, or the cal.ini that exists.
    std::ofstream(dir_ / "cal.ini", std::ios::binary) << "[Settings]\nShowThanks=0\n";
    for (const char* name : {"cal.txt", "cal.ini", "cal"}) {
        const CliRun run = RunCli({"2024", "--settings", (dir_ / name).string()});
        EXPECT_EQ(run.status, 0) << name;
        EXPECT_EQ(run.out.find("Thanks Giving Day"), std::string::npos) << name;
    }
}

TEST_F(HolidaysCommandTest, SettingsFileThatCannotBeMadeIsAnError) {
    const std::string name = (dir_ / "no-such-folder" / "cal.ini").string();
    const CliRun run = RunCli({"2024", "--settings", name});
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.out, "");
    EXPECT_NE(run.err.find("neither exists nor can be created"), std::string::npos) << run.err;
}

TEST_F(HolidaysCommandTest, SwitchesComeFromTheSettingsFile) {
    const std::string path =
        WriteSettings("[Settings]\r\nEasterRelated=0\r\nshowpesach = 1\r\nShowThanks=0\r\n");
    const CliRun run = RunCli({"2000", "--settings", path});
    EXPECT_EQ(run.status, 0);
    // Within a month Easter is listed before Pesach, whatever their days.
    EXPECT_EQ(run.out,
              "2000-04-23\tEaster\n"
              "2000-04-20\tPesach\n"
              "2000-12-25\tChristmas\n");
}

TEST_F(HolidaysCommandTest, AllSwitchesOffPrintNothing) {
    const std::string path =
        WriteSettings("[Settings]\nEasterRelated=0\nShowEaster=0\nShowPesach=0\nShowThanks=0\n");
    const CliRun run = RunCli({"2024", "--settings", path});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, "");
}

TEST_F(HolidaysCommandTest, EasterFeastsOf1900AreRealDates) {
    const CliRun run = RunCli({"1900"});
    EXPECT_EQ(run.status, 0);
    EXPECT_NE(run.out.find("1900-02-28\tAsh Wednesday\n"), std::string::npos) << run.out;
    EXPECT_EQ(run.out.find("1900-02-29"), std::string::npos) << run.out;
}

TEST_F(HolidaysCommandTest, BinarySettingsFileDoesNotStopIt) {
    const std::string path = WriteSettings(std::string("\x00\xff\x01[Settings\n=\n\x7f", 10));
    const CliRun run = RunCli({"2024", "--settings", path});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, k2024WithDefaults);
}

TEST_F(HolidaysCommandTest, BadArgumentsGiveAOneLineUsageError) {
    const std::vector<std::vector<std::string>> cases = {
        {},     {"1752"}, {"2079"},   {"20x4"}, {"2024", "2025"}, {"--year"}, {"2024", "--settings"},
        {"-5"}, {""},     {"2024.0"},
    };
    for (const auto& args : cases) {
        const CliRun run = RunCli(args);
        std::string shown;
        for (const auto& arg : args) shown += "[" + arg + "]";
        EXPECT_EQ(run.status, 2) << shown;
        EXPECT_EQ(run.out, "") << shown;
        ASSERT_FALSE(run.err.empty()) << shown;
        EXPECT_EQ(run.err.rfind("orvanto-cli holidays: ", 0), 0u) << run.err;
        EXPECT_EQ(run.err.find('\n'), run.err.size() - 1) << run.err;
    }
}

}  // namespace
