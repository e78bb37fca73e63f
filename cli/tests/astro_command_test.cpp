// End-to-end tests of "orvanto-cli astro": the astronomical report printed by the built
// program, with places given, read from a settings file in a temporary folder, or taken
// from the city library.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

#include "cli_run.h"

namespace {

namespace fs = std::filesystem;
using orvanto::test::CliRun;
using orvanto::test::TempFolder;

class AstroCommandTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_FALSE(dir_.empty()); }

    CliRun Run(const std::vector<std::string>& args) {
        return orvanto::test::RunCli(dir_, "astro", args, std::nullopt, "LC_ALL=C TZ=UTC");
    }

    TempFolder folder_{"orvanto-astro"};
    fs::path dir_ = folder_.Path();
};

bool HasLine(const std::string& text, const std::string& line) {
    return ("\n" + text).find("\n" + line + "\n") != std::string::npos;
}

TEST_F(AstroCommandTest, PrintsTheReportForAPlace) {
    const CliRun run = Run({"--date", "2026-12-11", "--time", "14:00:00", "--lat", "40.7128", "--lon",
                            "-74.0060", "--zone-hours", "-5", "--date-format", "1"});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_TRUE(run.out.rfind("Orvanto Astronomical Report\n\n\nDate\n", 0) == 0) << run.out;
    EXPECT_TRUE(HasLine(run.out, "Friday, December 11, 2026, 14:00")) << run.out;
    EXPECT_TRUE(HasLine(run.out, "Latitude: 40\xC2\xB0 43' N")) << run.out;
    EXPECT_TRUE(HasLine(run.out, "Longitude: 74\xC2\xB0 0' W")) << run.out;
    // The Julian date of the window date as it stands (its local time of day).
    EXPECT_TRUE(HasLine(run.out, "Julian Date: 2,461,386.0833")) << run.out;
    // Sunrise in New York on 11 December 2026 is at 07:10 local time (almanac, rounded).
    EXPECT_NE(run.out.find("\nSun rise: 07:09:5"), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("\nSpring Equinox:  03/20/2026, "), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("\nCurrent phase: "), std::string::npos);
    EXPECT_NE(run.out.find("\nNext perigee: 12/"), std::string::npos) << run.out;
}

TEST_F(AstroCommandTest, TwelveHourClockAndPolarDay) {
    const CliRun run = Run({"--date", "2026-06-24", "--time", "12:00", "--lat", "70", "--lon", "20",
                            "--zone-hours", "1", "--12h"});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_TRUE(HasLine(run.out, "Sun rise: No rises or sets calculable")) << run.out;
    EXPECT_TRUE(HasLine(run.out, "Daylight: No rises or sets calculable")) << run.out;
    EXPECT_TRUE(HasLine(run.out, "Civil twilight start: 00:00:00 am")) << run.out;
    EXPECT_NE(run.out.find("\nSummer Solstice:  21/06/2026, "), std::string::npos) << run.out;
    EXPECT_NE(run.out.find(" pm"), std::string::npos);
}

TEST_F(AstroCommandTest, ReadsLocationAndFormatsFromTheSettingsFile) {
    const fs::path settings = dir_ / "ORVANTO.INI";
    std::ofstream(settings) << "[Settings]\nDateFormat=1\nMinorPhases=1\n"
                               "[Location]\nCityName=Cape Town\nLatitude=-33.9249\nLongitude=18.4241\n";
    const CliRun run = Run(
        {"--settings", settings.string(), "--date", "2026-04-01", "--time", "08:00:00", "--zone-hours", "2"});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_TRUE(HasLine(run.out, "Latitude: 33\xC2\xB0 55' S")) << run.out;
    EXPECT_TRUE(HasLine(run.out, "Longitude: 18\xC2\xB0 25' E")) << run.out;
    EXPECT_NE(run.out.find("\nAutumn Equinox:  03/20/2026, "), std::string::npos) << run.out;
    EXPECT_TRUE(HasLine(run.out, "Wednesday, April 1, 2026, 08:00")) << run.out;
}

TEST_F(AstroCommandTest, TakesAPlaceFromTheCityLibrary) {
    const CliRun run = Run(
        {"--city", "sydney, australia", "--date", "2026-01-15", "--time", "12:00:00", "--zone-hours", "11"});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_TRUE(HasLine(run.out, "Latitude: 33\xC2\xB0 52' S")) << run.out;
    const CliRun unknown = Run({"--city", "Atlantis under the sea"});
    EXPECT_EQ(unknown.status, 2);
    EXPECT_NE(unknown.err.find("no place named"), std::string::npos) << unknown.err;
    const CliRun ambiguous = Run({"--city", "Sydney"});
    EXPECT_EQ(ambiguous.status, 2);
    EXPECT_NE(ambiguous.err.find("more than one place"), std::string::npos) << ambiguous.err;
}

TEST_F(AstroCommandTest, EventsInUniversalTime) {
    const CliRun run = Run({"--events", "--date", "2026-06-21", "--lat", "51.4769", "--lon", "0"});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_NE(run.out.find("sunrise\t2026-06-21 03:4"), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("junesolstice\t2026-06-21 08:2"), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("astronomicaldawn\tnone\n"), std::string::npos) << run.out;
}

TEST_F(AstroCommandTest, RejectsBadArguments) {
    struct Case {
        std::vector<std::string> args;
        const char* message;
    };
    const std::vector<Case> cases = {
        {{"--date", "2026-02-30"}, "--date takes"},
        {{"--date", "1700-01-01"}, "--date takes"},
        {{"--time", "25:00"}, "--time takes"},
        {{"--lat", "91", "--lon", "0"}, "--lat takes"},
        {{"--lat", "50"}, "--lat and --lon go together"},
        {{"--zone-hours", "x"}, "--zone-hours takes"},
        {{"--date-format", "3"}, "--date-format takes"},
        {{"--frobnicate"}, "unexpected argument"},
        {{"--date"}, "needs a value"},
    };
    for (const Case& c : cases) {
        const CliRun run = Run(c.args);
        EXPECT_EQ(run.status, 2) << c.args[0];
        EXPECT_NE(run.err.find(c.message), std::string::npos) << run.err;
        EXPECT_TRUE(run.out.empty());
    }
}

// The text of a PDF file as pdftotext reads it, one line per printed line.
std::string PdfText(const fs::path& pdf) {
    const fs::path text = pdf.string() + ".txt";
    const std::string command = "pdftotext -layout '" + pdf.string() + "' '" + text.string() + "'";
    if (std::system(command.c_str()) != 0) return {};
    std::ifstream in(text);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

std::vector<std::string> NonEmptyLines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        while (!line.empty() && (line.back() == ' ' || line.back() == '\f')) line.pop_back();
        const auto first = line.find_first_not_of(" \f");
        if (first != std::string::npos) lines.push_back(line.substr(first));
    }
    return lines;
}

// --pdf writes the printed report: the same lines as the text report, in the same order,
// in Times (Liberation Serif) with the title and the headings in bold.
TEST_F(AstroCommandTest, WritesThePrintedReportIntoAPdfFile) {
    const std::vector<std::string> place = {"--date",   "2026-12-11", "--time",   "14:00",        "--lat",
                                            "-33.8678", "--lon",      "151.2073", "--zone-hours", "11"};
    const CliRun text = Run(place);
    ASSERT_EQ(text.status, 0) << text.err;
    std::vector<std::string> args = place;
    const fs::path pdf = dir_ / "report.pdf";
    args.insert(args.end(), {"--pdf", pdf.string()});
    const CliRun run = Run(args);
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "");
    ASSERT_TRUE(fs::exists(pdf));
    // pdftotext -layout keeps the two blanks after a season caption and the ", " between
    // the years; it may widen runs of blanks, so the lines are compared without them.
    const auto squeeze = [](std::string line) {
        std::string out;
        for (char c : line)
            if (c != ' ' || out.empty() || out.back() != ' ') out += c;
        return out;
    };
    std::vector<std::string> expected;
    for (const std::string& line : NonEmptyLines(text.out)) expected.push_back(squeeze(line));
    std::vector<std::string> printed;
    for (const std::string& line : NonEmptyLines(PdfText(pdf))) printed.push_back(squeeze(line));
    EXPECT_EQ(printed, expected);
    ASSERT_FALSE(printed.empty());
    EXPECT_EQ(printed.front(), "Orvanto Astronomical Report");

    const fs::path fontList = dir_ / "fonts.txt";
    ASSERT_EQ(std::system(("pdffonts '" + pdf.string() + "' > '" + fontList.string() + "'").c_str()), 0);
    const std::string fonts = orvanto::test::ReadFile(fontList);
    EXPECT_NE(fonts.find("Serif-Bold"), std::string::npos) << fonts;
    EXPECT_NE(fonts.find("Serif "), std::string::npos) << fonts;
}

TEST_F(AstroCommandTest, APdfThatCannotBeWrittenIsAnError) {
    const CliRun run = Run({"--date", "2026-12-11", "--lat", "0", "--lon", "0", "--pdf",
                            (dir_ / "no-such-folder" / "report.pdf").string()});
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find("cannot write"), std::string::npos) << run.err;
    const CliRun both = Run({"--events", "--pdf", (dir_ / "x.pdf").string()});
    EXPECT_EQ(both.status, 2) << both.err;
}

}  // namespace
