// orvanto-cli distance: the calculator's result label for two places.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <sys/wait.h>
#include <cstdio>
#include <string>

#include "cli_run.h"

namespace {

using orvanto::test::CliRun;

CliRun Distance(const std::string& arguments) { return orvanto::test::RunCliMerged("distance " + arguments); }

TEST(DistanceCommandTest, ResultsOfTheCalculator) {
    const struct {
        const char* arguments;
        const char* out;
    } cases[] = {
        {"'Abbotsford, BC' 'Zanesville, OH'", "3,309 km.\n"},
        {"'Abbotsford, BC' 'Zanesville, OH' --metric", "3,309 km.\n"},
        {"'Abbotsford, BC' 'Zanesville, OH' --english", "2,068 miles\n"},
        {"'abbotsford, bc' 'Abbotsford, BC' --english", "0 miles\n"},
        {"0,0.0167 0,-179.9833", "20,004 km.\n"},
        {"49.0333,-122.3167 'Zanesville, OH' --altitude 0", "3,309 km.\n"},
        {"0,0 0,90 --altitude 6367400", "20,004 km.\n"},
    };
    for (const auto& c : cases) {
        const CliRun run = Distance(c.arguments);
        EXPECT_EQ(run.status, 0) << c.arguments;
        EXPECT_EQ(run.out, c.out) << c.arguments;
    }
}

TEST(DistanceCommandTest, RefusesWhatTheCalculatorRefuses) {
    const struct {
        const char* arguments;
        const char* message;
    } cases[] = {
        {"'Abbotsford, BC' 'Zanesville, OH' --altitude -5", "Altitude cannot be negative."},
        {"'Abbotsford, BC' 'Zanesville, OH' --altitude 1e3", "Invalid value."},
        {"'Abbotsford, BC' 'Nowhere, XX'", "unknown place 'Nowhere, XX'"},
        {"'Abbotsford, BC' 91,0", "latitude must be within"},
        {"'Abbotsford, BC'", "usage"},
        {"'Abbotsford, BC' 'Zanesville, OH' --furlongs", "unknown option"},
    };
    for (const auto& c : cases) {
        const CliRun run = Distance(c.arguments);
        EXPECT_EQ(run.status, 2) << c.arguments;
        EXPECT_THAT(run.out, ::testing::StartsWith("orvanto-cli distance: ")) << c.arguments;
        EXPECT_THAT(run.out, ::testing::HasSubstr(c.message)) << c.arguments;
    }
}

}  // namespace
