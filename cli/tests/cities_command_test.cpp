// orvanto-cli cities: the library's places, one tab-separated line each.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <sys/wait.h>
#include <cstdio>
#include <string>
#include <vector>

#include "cli_run.h"

namespace {

using orvanto::test::CliRun;

CliRun RunCli(const std::string& arguments) { return orvanto::test::RunCliMerged(arguments); }

TEST(CitiesCommandTest, ListsEveryPlaceInLibraryOrder) {
    const CliRun run = RunCli("cities");
    ASSERT_EQ(run.status, 0) << run.out;
    const std::vector<std::string> lines = run.Lines();
    ASSERT_EQ(lines.size(), 1990u);
    EXPECT_EQ(lines.front(), "0\t0\tAbbotsford, BC\t49.0300\t-122.3200");
    EXPECT_EQ(lines[1564], "0\t1564\tZanesville, OH\t39.9383\t-82.0083");
    EXPECT_EQ(lines[1565], "1\t0\tAntigua\t17.1333\t-61.7833");
    EXPECT_EQ(lines.back(), "6\t63\tYap Island, Micronesia\t9.4975\t138.0894");
}

TEST(CitiesCommandTest, OneRegion) {
    const CliRun run = RunCli("cities --region 5");
    ASSERT_EQ(run.status, 0) << run.out;
    const std::vector<std::string> lines = run.Lines();
    ASSERT_EQ(lines.size(), 41u);
    EXPECT_EQ(lines.front(), "5\t0\tAccra, Ghana\t5.6000\t-0.1670");
}

TEST(CitiesCommandTest, RefusesBadArguments) {
    for (const char* arguments : {"cities --region 7", "cities --region x", "cities --bogus"}) {
        const CliRun run = RunCli(arguments);
        EXPECT_EQ(run.status, 2) << arguments;
        EXPECT_THAT(run.out, ::testing::StartsWith("orvanto-cli cities: ")) << arguments;
    }
}

}  // namespace
