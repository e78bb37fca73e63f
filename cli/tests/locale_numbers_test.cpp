// Numbers of the command line and of the settings file read the same under a
// German or a French locale as under the C locale: "." is the point. The
// locales are compiled into a temporary folder (LOCPATH), so the system's
// locale list is left alone.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "cli_run.h"

namespace {

namespace fs = std::filesystem;
using orvanto::test::CliRun;
using orvanto::test::TempFolder;

class LocaleNumbersTest : public ::testing::TestWithParam<const char*> {
protected:
    void SetUp() override {
        ASSERT_FALSE(dir_.empty());
        if (std::system("command -v localedef >/dev/null 2>&1") != 0) GTEST_SKIP() << "no localedef";
        const std::string name = std::string(GetParam()) + ".UTF-8";
        const std::string command = "localedef --no-archive -i " + std::string(GetParam()) + " -f UTF-8 " +
                                    orvanto::test::Quoted((dir_ / name).string()) + " >/dev/null 2>&1";
        std::system(command.c_str());
        if (!fs::exists(dir_ / name / "LC_NUMERIC")) GTEST_SKIP() << "the locale sources are not installed";
        locale_ = "LOCPATH=" + orvanto::test::Quoted(dir_.string()) + " LC_ALL=" + name + " LANG=" + name;
    }

    CliRun Run(const std::vector<std::string>& args, const std::string& environment) {
        return orvanto::test::RunCli(dir_, "astro", args, std::nullopt, environment + " TZ=UTC");
    }

    TempFolder folder_{"orvanto-locale"};
    fs::path dir_ = folder_.Path();
    std::string locale_;
};

bool HasLine(const std::string& text, const std::string& line) {
    return ("\n" + text).find("\n" + line + "\n") != std::string::npos;
}

TEST_P(LocaleNumbersTest, CoordinatesOnTheCommandLineKeepTheirFraction) {
    const std::vector<std::string> args = {"--date", "2026-12-11", "--time", "12:00:00",     "--lat",
                                           "40.42",  "--lon",      "-3.70",  "--zone-hours", "1"};
    const CliRun c = Run(args, "LC_ALL=C");
    const CliRun local = Run(args, locale_);
    ASSERT_EQ(local.status, 0) << local.err;
    EXPECT_TRUE(HasLine(local.out, "Latitude: 40\xC2\xB0 25' N")) << local.out;
    EXPECT_TRUE(HasLine(local.out, "Longitude: 3\xC2\xB0 42' W")) << local.out;
    // The sunrise in Madrid, minute for minute as under the C locale.
    const auto sunrise = [](const std::string& out) { return out.substr(out.find("\nSun rise: "), 20); };
    ASSERT_NE(c.out.find("\nSun rise: "), std::string::npos) << c.out;
    ASSERT_NE(local.out.find("\nSun rise: "), std::string::npos) << local.out;
    EXPECT_EQ(sunrise(local.out), sunrise(c.out));
}

TEST_P(LocaleNumbersTest, CoordinatesOfTheSettingsFileKeepTheirFraction) {
    std::ofstream(dir_ / "ORVANTO.INI") << "[Location]\nLatitude=40.42\nLongitude=-3.70\n";
    const CliRun run = Run({"--settings", (dir_ / "ORVANTO.INI").string(), "--date", "2026-12-11", "--time",
                            "12:00:00", "--zone-hours", "1"},
                           locale_);
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_TRUE(HasLine(run.out, "Latitude: 40\xC2\xB0 25' N")) << run.out;
    EXPECT_TRUE(HasLine(run.out, "Longitude: 3\xC2\xB0 42' W")) << run.out;
}

INSTANTIATE_TEST_SUITE_P(Locales, LocaleNumbersTest, ::testing::Values("de_DE", "fr_FR"),
                         [](const ::testing::TestParamInfo<const char*>& info) {
                             return std::string(info.param);
                         });

}  // namespace
