// End-to-end tests of "orvanto-cli eclipses": the built program's listing of eclipses.
#include <gtest/gtest.h>

#include <filesystem>
#include <regex>
#include <string>
#include <vector>

#include "cli_run.h"

namespace {

namespace fs = std::filesystem;
using orvanto::test::CliRun;
using orvanto::test::TempFolder;

class EclipsesCommandTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_FALSE(dir_.empty()); }

    CliRun Run(const std::vector<std::string>& args) const {
        return orvanto::test::RunCli(dir_, "eclipses", args);
    }

    TempFolder folder_{"orvanto-eclipses"};
    fs::path dir_ = folder_.Path();
};

TEST_F(EclipsesCommandTest, ListsTheEclipsesOf2000InTimeOrder) {
    const CliRun run = Run({"--from", "2000-01-01", "--count", "2"});
    ASSERT_EQ(run.status, 0) << run.err;
    const std::vector<std::string> expected = {
        "2000-01-21 04:43:58\tlunar\tTotal",
        "2000-02-05 12:49:39\tsolar\tPartial",
        "2000-07-01 19:32:29\tsolar\tPartial",
        "2000-07-16 13:55:51\tlunar\tTotal",
    };
    EXPECT_EQ(run.Lines(), expected);
}

// Kinds of every sort, each on the day it happened: 2017's total and 2023's annular and
// hybrid solar eclipses, a penumbral lunar eclipse of 2023.
TEST_F(EclipsesCommandTest, NamesEachKindInTheWindowsWords) {
    const CliRun run = Run({"--from", "2023-01-01", "--count", "2"});
    ASSERT_EQ(run.status, 0) << run.err;
    ASSERT_EQ(run.Lines().size(), 4u);
    EXPECT_EQ(run.Lines()[0].substr(0, 10) + run.Lines()[0].substr(19), "2023-04-20\tsolar\tCircular total");
    EXPECT_EQ(run.Lines()[1].substr(0, 10) + run.Lines()[1].substr(19), "2023-05-05\tlunar\tHalf Shadow");
    EXPECT_EQ(run.Lines()[2].substr(0, 10) + run.Lines()[2].substr(19), "2023-10-14\tsolar\tCircular");
    EXPECT_EQ(run.Lines()[3].substr(0, 10) + run.Lines()[3].substr(19), "2023-10-28\tlunar\tPartial");
    const CliRun total = Run({"--from", "2017-08-01", "--count", "1"});
    ASSERT_EQ(total.Lines().size(), 2u);
    EXPECT_EQ(total.Lines()[1].substr(0, 10) + total.Lines()[1].substr(19), "2017-08-21\tsolar\tTotal");
}

// No eclipse before the date is listed, and the date of a listed eclipse lists it again.
TEST_F(EclipsesCommandTest, ListsOnlyEclipsesAtOrAfterMidnightOfTheDate) {
    const CliRun run = Run({"--from", "2000-01-22", "--count", "1"});
    ASSERT_EQ(run.Lines().size(), 2u);
    EXPECT_EQ(run.Lines()[0], "2000-02-05 12:49:39\tsolar\tPartial");
    EXPECT_EQ(run.Lines()[1], "2000-07-16 13:55:51\tlunar\tTotal");
    const CliRun same = Run({"--from", "2000-01-21", "--count", "1"});
    ASSERT_EQ(same.Lines().size(), 2u);
    EXPECT_EQ(same.Lines()[0], "2000-01-21 04:43:58\tlunar\tTotal");
}

// Before 30 December 1899 the instants are read as the engine counts them: the eclipses of
// 1753 on their own days (the total lunar eclipse of 1753 was partial; the hybrid solar
// eclipse of 3 May 1753 peaked at 07:39 UT).
TEST_F(EclipsesCommandTest, ListsTheEclipsesOf1753OnTheirDays) {
    const CliRun run = Run({"--from", "1753-01-01", "--count", "2"});
    ASSERT_EQ(run.status, 0) << run.err;
    const std::vector<std::string> expected = {
        "1753-04-17 18:32:48\tlunar\tPartial",
        "1753-05-03 07:39:22\tsolar\tCircular total",
        "1753-10-12 08:51:14\tlunar\tPartial",
        "1753-10-26 10:21:29\tsolar\tCircular total",
    };
    EXPECT_EQ(run.Lines(), expected);
}

TEST_F(EclipsesCommandTest, AListingOfManyYearsIsWellFormed) {
    const CliRun run = Run({"--from", "1900-01-01", "--count", "50"});
    ASSERT_EQ(run.status, 0) << run.err;
    ASSERT_EQ(run.Lines().size(), 100u);
    const std::regex solar(
        R"(\d{4}-\d{2}-\d{2} \d{2}:\d{2}:\d{2}\tsolar\t(Partial|Noncentral|Circular|Circular total|Total))");
    const std::regex lunar(R"(\d{4}-\d{2}-\d{2} \d{2}:\d{2}:\d{2}\tlunar\t(Partial|Total|Half Shadow))");
    int solarCount = 0;
    for (std::size_t i = 0; i < run.Lines().size(); ++i) {
        const bool isSolar = std::regex_match(run.Lines()[i], solar);
        EXPECT_TRUE(isSolar || std::regex_match(run.Lines()[i], lunar)) << run.Lines()[i];
        solarCount += isSolar;
        if (i > 0) {
            EXPECT_LE(run.Lines()[i - 1], run.Lines()[i]);
        }
    }
    EXPECT_EQ(solarCount, 50);
}

TEST_F(EclipsesCommandTest, RefusesBadArgumentsWithAUsageError) {
    for (const std::vector<std::string>& args : {std::vector<std::string>{},
                                                 {"--from", "2079-01-01", "--count", "1"},
                                                 {"--from", "2000-01-01", "--count", "1x"},
                                                 {"--to", "2000-01-01"}}) {
        const CliRun run = Run(args);
        EXPECT_EQ(run.status, 2) << ::testing::PrintToString(args);
        EXPECT_EQ(run.err.rfind("orvanto-cli eclipses: ", 0), 0u) << run.err;
    }
}

}  // namespace
