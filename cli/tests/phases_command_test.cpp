// End-to-end tests of "orvanto-cli phases": the built program's listing of moon phases.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <regex>
#include <string>
#include <vector>

#include "cli_run.h"

namespace {

namespace fs = std::filesystem;
using orvanto::test::CliRun;
using orvanto::test::TempFolder;

class PhasesCommandTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_FALSE(dir_.empty()); }

    CliRun Run(const std::vector<std::string>& args) const {
        return orvanto::test::RunCli(dir_, "phases", args);
    }

    TempFolder folder_{"orvanto-phases"};
    fs::path dir_ = folder_.Path();
};

TEST_F(PhasesCommandTest, ListsThePhasesOfJanuary2000) {
    const CliRun run = Run({"--from", "2000-01-01", "--count", "5"});
    ASSERT_EQ(run.status, 0) << run.err;
    const std::vector<std::string> expected = {
        "2000-01-06 18:13:41\tNew Moon",  "2000-01-14 13:34:05\tFirst Quarter",
        "2000-01-21 04:40:23\tFull Moon", "2000-01-28 07:56:46\tLast Quarter",
        "2000-02-05 13:03:17\tNew Moon",
    };
    EXPECT_EQ(run.Lines(), expected);
    EXPECT_EQ(run.err, "");
}

// Before 30 December 1899 the serial dates are negative; they are read linearly, so each
// phase keeps its own day and time (an independent ephemeris gives 14:33:53, 16:57:02,
// 10:50:38, 05:55:00 and 09:53:15 UT).
TEST_F(PhasesCommandTest, ListsThePhasesOfJanuary1753OnTheirDays) {
    const CliRun run = Run({"--from", "1753-01-01", "--count", "5"});
    ASSERT_EQ(run.status, 0) << run.err;
    const std::vector<std::string> expected = {
        "1753-01-04 14:33:54\tNew Moon",  "1753-01-12 16:56:58\tFirst Quarter",
        "1753-01-19 10:50:27\tFull Moon", "1753-01-26 05:54:56\tLast Quarter",
        "1753-02-03 09:53:17\tNew Moon",
    };
    EXPECT_EQ(run.Lines(), expected);
}

TEST_F(PhasesCommandTest, StartsAtMidnightOfTheDateAndTakesTheEarliestPhase) {
    // The new moon of 6 January 2000 is at 18:13; from the 6th it is still the first.
    EXPECT_EQ(Run({"--count", "1", "--from", "2000-01-06"}).Lines(),
              std::vector<std::string>{"2000-01-06 18:13:41\tNew Moon"});
    EXPECT_EQ(Run({"--from", "2000-01-07", "--count", "1"}).Lines(),
              std::vector<std::string>{"2000-01-14 13:34:05\tFirst Quarter"});
}

// A long listing keeps the cycle and the format, with a quarter of a lunation between lines.
TEST_F(PhasesCommandTest, AYearsListingKeepsTheCycle) {
    const CliRun run = Run({"--from", "2077-03-15", "--count", "60"});
    ASSERT_EQ(run.status, 0) << run.err;
    // The lines are kept: the matches point into them.
    const std::vector<std::string> lines = run.Lines();
    ASSERT_EQ(lines.size(), 60u);
    const std::regex line(
        R"((\d{4}-\d{2}-\d{2} \d{2}:\d{2}:\d{2})\t(New Moon|First Quarter|Full Moon|Last Quarter))");
    const std::vector<std::string> cycle = {"New Moon", "First Quarter", "Full Moon", "Last Quarter"};
    std::size_t first = 4;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        std::smatch m;
        ASSERT_TRUE(std::regex_match(lines[i], m, line)) << lines[i];
        if (i == 0) {
            for (std::size_t c = 0; c < 4; ++c)
                if (cycle[c] == m[2]) first = c;
        }
        EXPECT_EQ(m[2], cycle[(first + i) % 4]) << lines[i];
        if (i > 0) {
            EXPECT_LT(lines[i - 1], lines[i]);
        }
    }
}

TEST_F(PhasesCommandTest, CountZeroListsNothing) {
    const CliRun run = Run({"--from", "2000-01-01", "--count", "0"});
    EXPECT_EQ(run.status, 0);
    EXPECT_TRUE(run.Lines().empty());
}

TEST_F(PhasesCommandTest, RefusesBadArgumentsWithAUsageError) {
    const std::vector<std::vector<std::string>> bad = {
        {},
        {"--from", "2000-01-01"},
        {"--count", "3"},
        {"--from", "2000-02-30", "--count", "3"},
        {"--from", "1752-12-31", "--count", "3"},
        {"--from", "2000-1-1", "--count", "3"},
        {"--from", "2000-01-01", "--count", "-1"},
        {"--from", "2000-01-01", "--count", "many"},
        {"--from", "2000-01-01", "--count"},
        {"--from", "2000-01-01", "--count", "3", "--lunar"},
    };
    for (const auto& args : bad) {
        const CliRun run = Run(args);
        EXPECT_EQ(run.status, 2) << ::testing::PrintToString(args);
        EXPECT_TRUE(run.Lines().empty()) << ::testing::PrintToString(args);
        EXPECT_EQ(run.err.rfind("orvanto-cli phases: ", 0), 0u) << run.err;
    }
}

}  // namespace
