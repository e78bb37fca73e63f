// End-to-end tests of "orvanto-cli print": the PDF files it writes, read back
// with pdftotext and pdfinfo.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <regex>
#include <string>
#include <vector>

#include "cli_run.h"

namespace {

namespace fs = std::filesystem;
using orvanto::test::CliRun;
using orvanto::test::Quoted;
using orvanto::test::TempFolder;

// DayNumber of 14 February 2014 and of 16 February 2015.
constexpr int k14February2014 = 735721;
constexpr int k16February2015 = 736088;

// Output of a shell command.
std::string Capture(const std::string& command) {
    std::string out;
    FILE* pipe = popen(command.c_str(), "r");
    if (!pipe) return out;
    char buffer[4096];
    while (std::size_t n = std::fread(buffer, 1, sizeof buffer, pipe)) out.append(buffer, n);
    pclose(pipe);
    return out;
}

std::vector<std::string> SplitLines(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t end = text.find('\n', start);
        lines.push_back(text.substr(start, end == std::string::npos ? std::string::npos : end - start));
        if (end == std::string::npos) break;
        start = end + 1;
    }
    return lines;
}

// The lines of a page that hold day numbers only, each as its numbers.
std::vector<std::vector<int>> NumberRows(const std::string& pageText) {
    static const std::regex kNumbersOnly(R"(^\s*\d+(\s+\d+)*\s*$)");
    std::vector<std::vector<int>> rows;
    for (const std::string& line : SplitLines(pageText)) {
        if (!std::regex_match(line, kNumbersOnly)) continue;
        std::vector<int> numbers;
        std::size_t i = 0;
        while (i < line.size()) {
            if (std::isdigit(static_cast<unsigned char>(line[i]))) {
                std::size_t j = i;
                while (j < line.size() && std::isdigit(static_cast<unsigned char>(line[j]))) ++j;
                numbers.push_back(std::stoi(line.substr(i, j - i)));
                i = j;
            } else {
                ++i;
            }
        }
        rows.push_back(numbers);
    }
    return rows;
}

class PrintCommandTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_FALSE(dir_.empty()); }

    std::string WriteSettings(const std::string& content) const {
        const fs::path path = dir_ / "ORVANTO.INI";
        std::ofstream(path, std::ios::binary) << content;
        return path.string();
    }

    // Runs the command with the settings file and the PDF file of the test.
    CliRun Print(std::vector<std::string> args, const std::string& settings = "[Settings]\nSideDays=1\n") {
        args.push_back("--settings");
        args.push_back(WriteSettings(settings));
        args.push_back("--pdf");
        args.push_back(Pdf());
        const std::string environment = "LC_ALL=C XDG_RUNTIME_DIR=" + Quoted(dir_.string()) +
                                        " HOME=" + Quoted(dir_.string()) +
                                        " XDG_CONFIG_HOME=" + Quoted((dir_ / "config").string());
        return orvanto::test::RunCli(dir_ / "", "print", args, std::nullopt, environment);
    }

    std::string Pdf() const { return (dir_ / "out.pdf").string(); }

    std::string PageText(int page, bool layout = true) const {
        return Capture(std::string("pdftotext ") + (layout ? "-layout " : "") + "-f " + std::to_string(page) +
                       " -l " + std::to_string(page) + " " + Quoted(Pdf()) + " - 2>/dev/null");
    }

    std::string Info() const { return Capture("pdfinfo " + Quoted(Pdf()) + " 2>/dev/null"); }

    int Pages() const {
        std::smatch match;
        const std::string info = Info();
        static const std::regex kPages(R"(Pages:\s+(\d+))");
        return std::regex_search(info, match, kPages) ? std::stoi(match[1]) : -1;
    }

    TempFolder folder_{"orvanto-print"};
    fs::path dir_ = folder_.Path();
};

TEST_F(PrintCommandTest, February2015FillsExactlyFourRows) {
    const CliRun run = Print({"month", "--from", "2015-02"});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(Pages(), 1);
    EXPECT_NE(Info().find("Orvanto Month Print"), std::string::npos);
    EXPECT_NE(Info().find("(A4)"), std::string::npos);
    const std::string text = PageText(1);
    EXPECT_NE(text.find("February 2015"), std::string::npos);
    const auto rows = NumberRows(text);
    ASSERT_EQ(rows.size(), 4u) << text;
    EXPECT_EQ(rows[0], (std::vector<int>{1, 2, 3, 4, 5, 6, 7}));
    EXPECT_EQ(rows[3], (std::vector<int>{22, 23, 24, 25, 26, 27, 28}));
}

TEST_F(PrintCommandTest, ASaturdayFirstMonthOf31DaysNeedsSixRows) {
    // August 2015 begins on a Saturday.
    ASSERT_EQ(Print({"month", "--from", "2015-08"}).status, 0);
    const auto rows = NumberRows(PageText(1));
    ASSERT_EQ(rows.size(), 6u);
    // Grey side days of July and September fill the first and the last row.
    EXPECT_EQ(rows[0], (std::vector<int>{26, 27, 28, 29, 30, 31, 1}));
    EXPECT_EQ(rows[5], (std::vector<int>{30, 31, 1, 2, 3, 4, 5}));
}

TEST_F(PrintCommandTest, SideDaysZeroLeavesTheSideCellsEmpty) {
    ASSERT_EQ(Print({"month", "--from", "2015-08"}, "[Settings]\nSideDays=0\n").status, 0);
    const auto rows = NumberRows(PageText(1));
    ASSERT_EQ(rows.size(), 6u);
    EXPECT_EQ(rows[0], (std::vector<int>{1}));
    EXPECT_EQ(rows[5], (std::vector<int>{30, 31}));
}

TEST_F(PrintCommandTest, ThreeMonthsFromNovember2000AreThreePages) {
    ASSERT_EQ(Print({"month", "--from", "2000-11", "--count", "3"}).status, 0);
    ASSERT_EQ(Pages(), 3);
    EXPECT_NE(PageText(1).find("November 2000"), std::string::npos);
    EXPECT_NE(PageText(2).find("December 2000"), std::string::npos);
    EXPECT_NE(PageText(3).find("January 2001"), std::string::npos);
}

TEST_F(PrintCommandTest, YearsFrom2077StopAt2078) {
    ASSERT_EQ(Print({"year", "--from", "2077-01", "--count", "5"}).status, 0);
    ASSERT_EQ(Pages(), 2);
    EXPECT_NE(Info().find("Orvanto Year Print"), std::string::npos);
    EXPECT_NE(PageText(1).find("2077"), std::string::npos);
    EXPECT_NE(PageText(2).find("2078"), std::string::npos);
    for (const char* month : {"January", "June", "December"})
        EXPECT_NE(PageText(2).find(month), std::string::npos);
}

TEST_F(PrintCommandTest, TwelveCardsMakeASheetOfNineAndOneOfThree) {
    ASSERT_EQ(Print({"card", "--from", "2015-01", "--count", "12", "--paper", "Letter"}).status, 0);
    ASSERT_EQ(Pages(), 2);
    EXPECT_NE(Info().find("Orvanto Card Print"), std::string::npos);
    EXPECT_NE(Info().find("612 x 792"), std::string::npos);
    const std::string first = PageText(1, false);
    const std::string second = PageText(2, false);
    for (int year = 2015; year <= 2023; ++year) {
        EXPECT_NE(first.find(std::to_string(year)), std::string::npos) << year;
        EXPECT_EQ(second.find(std::to_string(year)), std::string::npos) << year;
    }
    for (int year = 2024; year <= 2026; ++year)
        EXPECT_NE(second.find(std::to_string(year)), std::string::npos) << year;
    EXPECT_EQ(second.find("2027"), std::string::npos);
}

TEST_F(PrintCommandTest, ABracketedHolidayIsPrintedWithoutItsBrackets) {
    // A yearly holiday stored in 2014: its 2015 occurrence is calculated and
    // bracketed in the month index.
    const std::string settings = "[Settings]\nShowGhost=1\nInBrackets=1\n\n[Reminders]\n" +
                                 std::to_string(k14February2014) +
                                 "/0=21010,0,9999,00000000,Valentine's Day\n" +
                                 std::to_string(k16February2015) + "/0=10000,0,9999,00000000,[Dentist]\n";
    ASSERT_EQ(
        Print({"month", "--from", "2015-02", "--holidays", "both", "--events", "both"}, settings).status, 0);
    const std::string text = PageText(1, false);
    EXPECT_NE(text.find("Valentine's Day"), std::string::npos) << text;
    EXPECT_NE(text.find("Dentist"), std::string::npos);
    EXPECT_EQ(text.find('['), std::string::npos);
    EXPECT_EQ(text.find(']'), std::string::npos);
    EXPECT_NE(text.find("Holidays"), std::string::npos);
    EXPECT_NE(text.find("Events"), std::string::npos);
    EXPECT_NE(text.find("14: Valentine's Day"), std::string::npos);
}

TEST_F(PrintCommandTest, TheLandscapeEventsColumnStartsAtTheTopRightOfTheGrid) {
    const std::string settings =
        "[Reminders]\n" + std::to_string(k16February2015) + "/0=10000,0,9999,00000000,Dentist\n";
    ASSERT_EQ(
        Print({"month", "--from", "2015-02", "--landscape", "--holidays", "inside", "--events", "below"},
              settings)
            .status,
        0);
    const std::string boxes = Capture("pdftotext -bbox " + Quoted(Pdf()) + " - 2>/dev/null");
    auto wordBox = [&](const std::string& word) {
        const std::regex pattern("<word xMin=\"([0-9.]+)\" yMin=\"([0-9.]+)\"[^>]*>" + word + "</word>");
        std::smatch match;
        if (!std::regex_search(boxes, match, pattern)) return std::pair<double, double>(-1, -1);
        return std::pair<double, double>(std::stod(match[1]), std::stod(match[2]));
    };
    const auto events = wordBox("Events");
    const auto saturday = wordBox("Sat");
    const auto title = wordBox("February");
    ASSERT_GT(events.first, 0) << boxes;
    EXPECT_GT(events.first, saturday.first);
    EXPECT_LE(events.second, title.second + 5);  // level with the title at the top
    EXPECT_NE(Info().find("842 x 595"), std::string::npos);
    EXPECT_EQ(boxes.find(">Holidays<"), std::string::npos);
}

TEST_F(PrintCommandTest, ColoursAndMoonChoicesAreAccepted) {
    for (const auto& args : std::vector<std::vector<std::string>>{
             {"month", "--from", "1753-01", "--colors", "--no-moon"},
             {"month", "--from", "2078-12", "--count", "2", "--moon"},
             {"year", "--from", "2078-06", "--colors", "--landscape"},
             {"card", "--from", "2078-01", "--count", "12", "--landscape"}}) {
        const CliRun run = Print(args);
        EXPECT_EQ(run.status, 0) << run.err;
        EXPECT_GE(Pages(), 1);
    }
    EXPECT_EQ(Pages(), 1);  // the last: one card of 2078
}

TEST_F(PrintCommandTest, BadArgumentsAreUsageErrors) {
    for (const auto& args :
         std::vector<std::vector<std::string>>{{"month"},
                                               {"week", "--from", "2015-01"},
                                               {"month", "--from", "1752-12"},
                                               {"month", "--from", "2079-01"},
                                               {"month", "--from", "2015-13"},
                                               {"month", "--from", "2015"},
                                               {"month", "--from", "15-01"},
                                               {"month", "--from", "2015-01", "--count", "0"},
                                               {"month", "--from", "2015-01", "--count", "13"},
                                               {"month", "--from", "2015-01", "--count", "x"},
                                               {"month", "--from", "2015-01", "--holidays", "over"},
                                               {"month", "--from", "2015-01", "--events", "left"},
                                               {"month", "--from", "2015-01", "--paper", "A3"},
                                               {"month", "--from", "2015-01", "--bogus"},
                                               {"month", "--from"}}) {
        const CliRun run = orvanto::test::RunCli(
            dir_, "print",
            [&] {
                std::vector<std::string> all = args;
                all.push_back("--pdf");
                all.push_back(Pdf());
                return all;
            }(),
            std::nullopt, "LC_ALL=C");
        EXPECT_EQ(run.status, 2) << args.back();
        EXPECT_EQ(run.err.rfind("orvanto-cli print: ", 0), 0u) << run.err;
        EXPECT_FALSE(fs::exists(Pdf()));
    }
    const CliRun noPdf =
        orvanto::test::RunCli(dir_, "print", {"month", "--from", "2015-01"}, std::nullopt, "LC_ALL=C");
    EXPECT_EQ(noPdf.status, 2);
}

TEST_F(PrintCommandTest, AFileThatCannotBeWrittenIsReported) {
    const CliRun run =
        orvanto::test::RunCli(dir_, "print",
                              {"month", "--from", "2015-01", "--settings", WriteSettings(""), "--pdf",
                               (dir_ / "no/such/x.pdf").string()},
                              std::nullopt, "LC_ALL=C XDG_RUNTIME_DIR=" + Quoted(dir_.string()));
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find("cannot write"), std::string::npos) << run.err;
}

}  // namespace
