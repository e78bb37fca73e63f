// End-to-end tests of "orvanto-cli bio": the day values of a month and the
// chart picture.
#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "cli_run.h"

namespace {

namespace fs = std::filesystem;
using orvanto::test::CliRun;
using orvanto::test::ReadFile;
using orvanto::test::TempFolder;

// The width and height in a PNG file's header, or {0, 0} for no PNG.
std::pair<std::uint32_t, std::uint32_t> PngSize(const std::string& bytes) {
    if (bytes.size() < 24 || bytes.compare(0, 8, "\x89PNG\r\n\x1a\n") != 0 ||
        bytes.compare(12, 4, "IHDR") != 0)
        return {0, 0};
    auto word = [&](std::size_t at) {
        std::uint32_t value = 0;
        for (std::size_t i = 0; i < 4; ++i) value = value << 8 | static_cast<unsigned char>(bytes[at + i]);
        return value;
    };
    return {word(16), word(20)};
}

class BioCommandTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_FALSE(dir_.empty()); }

    // The drawing application keeps its runtime files in the test's folder.
    CliRun RunCli(const std::vector<std::string>& args) const {
        return orvanto::test::RunCli(dir_, "bio", args, std::nullopt,
                                     "HOME=" + dir_.string() + " XDG_RUNTIME_DIR=" + dir_.string());
    }

    TempFolder folder_{"orvanto-bio"};
    fs::path dir_ = folder_.Path();
};

TEST_F(BioCommandTest, OneLinePerDayOfTheMonth) {
    const CliRun run = RunCli({"--birth", "1980-05-07", "--month", "2023-02", "--name", "Ann"});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.err, "");
    const std::vector<std::string> lines = run.Lines();
    ASSERT_EQ(lines.size(), 28u);
    EXPECT_EQ(lines[0], "2023-02-01 -89 11 10");
    EXPECT_EQ(lines[1], "2023-02-02 -98 -11 28");
    EXPECT_EQ(lines[27], "2023-02-28 -82 33 -87");
}

TEST_F(BioCommandTest, MonthsBeforeTheBirthAndLeapFebruary) {
    const CliRun before = RunCli({"--month", "2000-01", "--birth", "2000-03-15"});
    EXPECT_EQ(before.status, 0);
    ASSERT_EQ(before.Lines().size(), 31u);
    EXPECT_EQ(before.Lines()[0], "2000-01-01 -100 85 -100");

    const CliRun leap = RunCli({"--birth", "1980-05-07", "--month", "2024-02"});
    EXPECT_EQ(leap.Lines().size(), 29u);
    // Born on the 1st of the month shown: day 1 is half a day into every cycle.
    const CliRun first = RunCli({"--birth", "2023-03-01", "--month", "2023-03"});
    ASSERT_FALSE(first.Lines().empty());
    EXPECT_EQ(first.Lines()[0], "2023-03-01 -14 -11 -10");
}

TEST_F(BioCommandTest, PicturesLightAndDark) {
    const fs::path light = dir_ / "light.png";
    const fs::path dark = dir_ / "dark.png";
    const CliRun lightRun =
        RunCli({"--birth", "1980-05-07", "--month", "2023-02", "--name", "Ann", "--png", light});
    EXPECT_EQ(lightRun.status, 0) << lightRun.err;
    EXPECT_EQ(lightRun.Lines().size(), 28u);
    const CliRun darkRun =
        RunCli({"--birth", "1980-05-07", "--month", "2023-02", "--name", "Ann", "--png", dark, "--dark"});
    EXPECT_EQ(darkRun.status, 0) << darkRun.err;
    EXPECT_EQ(darkRun.out, lightRun.out);

    const std::string lightBytes = ReadFile(light);
    const std::string darkBytes = ReadFile(dark);
    EXPECT_EQ(PngSize(lightBytes), (std::pair<std::uint32_t, std::uint32_t>{339, 176}));
    EXPECT_EQ(PngSize(darkBytes), (std::pair<std::uint32_t, std::uint32_t>{339, 176}));
    EXPECT_NE(lightBytes, darkBytes);
}

TEST_F(BioCommandTest, BadArgumentsAreUsageErrors) {
    struct Case {
        std::vector<std::string> args;
        std::string error;
    };
    const std::vector<Case> cases = {
        {{}, "usage: bio --birth YYYY-MM-DD --month YYYY-MM [--name TEXT] [--png FILE [--dark]]"},
        {{"--birth", "1980-05-07"},
         "usage: bio --birth YYYY-MM-DD --month YYYY-MM [--name TEXT] [--png FILE [--dark]]"},
        {{"--birth", "1980-02-30", "--month", "2023-02"},
         "expected a birth date YYYY-MM-DD from 1753-01-01 to 2078-12-31, not '1980-02-30'"},
        {{"--birth", "1752-12-31", "--month", "2023-02"},
         "expected a birth date YYYY-MM-DD from 1753-01-01 to 2078-12-31, not '1752-12-31'"},
        {{"--birth", "1980-05-07", "--month", "2079-01"},
         "expected a month YYYY-MM from 1753-01 to 2078-12, not '2079-01'"},
        {{"--birth", "1980-05-07", "--month", "2023-2"},
         "expected a month YYYY-MM from 1753-01 to 2078-12, not '2023-2'"},
        {{"--birth", "1980-05-07", "--month", "2023-13"},
         "expected a month YYYY-MM from 1753-01 to 2078-12, not '2023-13'"},
        {{"--birth", "1980-05-07", "--month", "2023-02", "--name"}, "--name needs a value"},
        {{"--birth", "1980-05-07", "--month", "2023-02", "--dark"}, "--dark needs --png FILE"},
        {{"--birth", "1980-05-07", "--month", "2023-02", "--colour"}, "unknown argument '--colour'"},
    };
    for (const Case& c : cases) {
        const CliRun run = RunCli(c.args);
        EXPECT_EQ(run.status, 2);
        EXPECT_EQ(run.out, "");
        EXPECT_EQ(run.err, "orvanto-cli bio: " + c.error + "\n");
    }
}

TEST_F(BioCommandTest, PictureThatCannotBeWritten) {
    const fs::path path = dir_ / "missing" / "chart.png";
    const CliRun run = RunCli({"--birth", "1980-05-07", "--month", "2023-02", "--png", path});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err, "orvanto-cli bio: Unable to write to " + path.string() + "\n");
}

}  // namespace
