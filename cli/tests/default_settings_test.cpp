// Every command that reads settings takes ORVANTO.INI beside the program when
// no --settings is given, as the calendar itself does.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <fstream>
#include <string>

#include "cli_run.h"

namespace {

namespace fs = std::filesystem;
using orvanto::test::CliRun;
using orvanto::test::TempFolder;

struct DefaultSettingsCase {
    const char* name;
    const char* arguments;
    const char* fromFile;     // in the output when the file beside the program is read
    const char* fromDefault;  // in the output without that file
};

class DefaultSettingsTest : public ::testing::TestWithParam<DefaultSettingsCase> {};

TEST_P(DefaultSettingsTest, CommandReadsTheFileBesideTheProgram) {
    const DefaultSettingsCase& c = GetParam();
    TempFolder folder("orvanto-default-settings");
    ASSERT_FALSE(folder.Path().empty());
    const fs::path program = orvanto::test::CopyProgramInto(folder.Path());

    const CliRun without = orvanto::test::RunCliMerged(c.arguments, program.string());
    EXPECT_EQ(without.status, 0) << without.out;
    EXPECT_THAT(without.out, testing::HasSubstr(c.fromDefault));

    std::ofstream(folder.Path() / "ORVANTO.INI", std::ios::binary)
        << "[Settings]\nShowThanks=0\n[Location]\nLatitude=40.4167\nLongitude=-3.7000\n";
    const CliRun with = orvanto::test::RunCliMerged(c.arguments, program.string());
    EXPECT_EQ(with.status, 0) << with.out;
    EXPECT_THAT(with.out, testing::HasSubstr(c.fromFile));
    EXPECT_THAT(with.out, testing::Not(testing::HasSubstr(c.fromDefault)));
}

INSTANTIATE_TEST_SUITE_P(
    Commands, DefaultSettingsTest,
    testing::Values(DefaultSettingsCase{"holidays", "holidays 2024", "Christmas", "Thanks Giving Day"},
                    DefaultSettingsCase{"month", "month 2024 11", "", "Thanks Giving Day"},
                    DefaultSettingsCase{"astro", "astro --date 2024-11-28 --time 12:00:00",
                                        "Latitude: 40° 25' N", "Latitude: 51° 28' N"}),
    [](const testing::TestParamInfo<DefaultSettingsCase>& info) { return std::string(info.param.name); });

}  // namespace
